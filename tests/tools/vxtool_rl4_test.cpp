// vxtool rl4: PNG to RL4 and back in every packing, the packing it chooses, and the files
// it refuses or finds damaged.
#include <png.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "tools/run_vxtool.h"

namespace {

class VxtoolRl4 : public vxtest::VxTest {};

// Within a gigabyte of address space, so that a file claiming a huge picture fails
// alone rather than taking the machine's memory (the sanitizers need more).
int vxtool(const std::string& arguments) {
  std::string command = std::string(VX_SANITIZE_FLAGS).empty() ? "ulimit -v 1048576; " : "";
  command.append(VXTOOL).append(" ").append(arguments).append(" >out.txt 2>&1");
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int rl4(const std::string& arguments) { return vxtool("rl4 " + arguments); }

std::string big32(std::uint32_t value) {
  std::string bytes;
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift & 0xFF);
  return bytes;
}

std::string chunk(const std::string& type, const std::string& data) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (char c : type + data) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; k++) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return big32(static_cast<std::uint32_t>(data.size()))
      .append(type)
      .append(data)
      .append(big32(~crc));
}

// A gray PNG whose header claims the size, its pixels missing.
std::string pngclaiming(std::uint32_t width, std::uint32_t height) {
  std::string header = big32(width).append(big32(height)).append("\x08\0\0\0\0", 5);
  return std::string("\x89PNG\r\n\x1a\n")
      .append(chunk("IHDR", header))
      .append(chunk("IDAT", ""))
      .append(chunk("IEND", ""));
}

// An RL4 header of 8-bit runs and an empty row table.
std::string rl4claiming(unsigned rows, unsigned cols) {
  std::string bytes = "RUN\x88";
  for (unsigned value : {rows, cols, 10 + 2 * rows})
    bytes.append(1, static_cast<char>(value & 0xFF))
        .append(1, static_cast<char>(value >> 8 & 0xFF));
  return bytes.append(2 * rows, '\0');
}

// A 40 x 30 gray picture of levels 0 to 15 in stripes and blocks.
void writegray(const char* path, int format) {
  std::vector<png_byte> pixels(40 * 30 * (format == PNG_FORMAT_RGB ? 3 : 1));
  for (std::size_t i = 0; i < pixels.size(); i++)
    pixels[i] = static_cast<png_byte>((i / 7 + i / 200) % 16);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = 40;
  image.height = 30;
  image.format = static_cast<png_uint_32>(format);
  ASSERT_NE(png_image_write_to_file(&image, path, 0, pixels.data(), 0, nullptr), 0);
}

TEST_F(VxtoolRl4, EveryPackingRoundTripsAndTheSmallestIsChosen) {
  writegray("gray.png", PNG_FORMAT_GRAY);
  ASSERT_EQ(rl4("encode gray.png -o eight.rl4 --bits 8"), 0) << vxtest::readfile("out.txt");
  for (const char* bits : {"4", "8", "12", "16"}) {
    SCOPED_TRACE(bits);
    ASSERT_EQ(rl4(std::string("encode gray.png -o picture.rl4 --bits ") + bits), 0);
    EXPECT_EQ(rl4("info picture.rl4"), 0) << vxtest::readfile("out.txt");
    ASSERT_EQ(rl4("decode picture.rl4 -o back.png --colors 256"), 0) << vxtest::readfile("out.txt");
    // The decoded picture's indexes are the values: encoded again, the same file.
    ASSERT_EQ(rl4("encode back.png -o again.rl4 --bits 8"), 0) << vxtest::readfile("out.txt");
    EXPECT_EQ(vxtest::readfile("again.rl4"), vxtest::readfile("eight.rl4"));
  }
  ASSERT_EQ(rl4("encode gray.png -o chosen.rl4"), 0);
  EXPECT_EQ(vxtest::readfile("chosen.rl4").substr(0, 4), "RUN\x84");
}

// Without --colors the palette holds every value; a palette too small for one is refused.
TEST_F(VxtoolRl4, DecodeShowsEveryValueOrRefuses) {
  auto colours = [](const char* path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path) == 0) return 0u;
    png_image_free(&image);
    return image.colormap_entries;
  };
  writegray("small.png", PNG_FORMAT_GRAY);
  ASSERT_EQ(rl4("encode small.png -o small.rl4"), 0);
  ASSERT_EQ(rl4("decode small.rl4 -o small-back.png"), 0) << vxtest::readfile("out.txt");
  EXPECT_EQ(colours("small-back.png"), 16u);

  std::vector<png_byte> pixels(16 * 4, 3);
  pixels[21] = 150;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = 16;
  image.height = 4;
  image.format = PNG_FORMAT_GRAY;
  ASSERT_NE(png_image_write_to_file(&image, "large.png", 0, pixels.data(), 0, nullptr), 0);
  ASSERT_EQ(rl4("encode large.png -o large.rl4"), 0);
  ASSERT_EQ(rl4("decode large.rl4 -o back.png"), 0) << vxtest::readfile("out.txt");
  EXPECT_EQ(colours("back.png"), 256u);
  ASSERT_EQ(rl4("encode back.png -o again.rl4"), 0);
  EXPECT_EQ(vxtest::readfile("again.rl4"), vxtest::readfile("large.rl4"));

  EXPECT_EQ(vxtest::runvxtool("rl4 decode large.rl4 -o x.png --colors 16"), 1);
  EXPECT_EQ(vxtest::readfile("err.txt"),
            "vxtool rl4: cannot decode large.rl4: a value is 150, more than a 16-colour palette "
            "holds (15); --colors 256 shows it\n");
  EXPECT_FALSE(std::filesystem::exists("x.png"));
}

TEST_F(VxtoolRl4, WhatCannotBeAPictureIsRefusedAndDamageIsFound) {
  writegray("colour.png", PNG_FORMAT_RGB);
  EXPECT_EQ(rl4("encode colour.png -o x.rl4"), 1);
  EXPECT_NE(vxtest::readfile("out.txt").find("neither a palette image nor a gray one"),
            std::string::npos);
  writegray("gray.png", PNG_FORMAT_GRAY);
  EXPECT_EQ(rl4("encode gray.png -o x.rl4 --bits 2"), 2);
  ASSERT_EQ(rl4("encode gray.png -o whole.rl4 --bits 8"), 0);
  std::string whole = vxtest::readfile("whole.rl4");
  vxtest::writefile("cut.rl4", whole.substr(0, whole.size() - 1));
  EXPECT_EQ(rl4("info cut.rl4"), 1);
  EXPECT_NE(vxtest::readfile("out.txt").find("problem    the row lengths add up to"),
            std::string::npos);
  EXPECT_EQ(rl4("decode gray.png -o x.png"), 1);  // not an RL4 file
}

// What a header claims is checked before anything is allocated for it.
TEST_F(VxtoolRl4, PicturesTooLargeOrEmptyAreRefusedWithAMessage) {
  vxtest::writefile("tall.png", pngclaiming(65535, 65535));
  vxtest::writefile("wide.png", pngclaiming(65535, 2000));
  vxtest::writefile("huge.rl4", rl4claiming(65535, 65535));
  vxtest::writefile("empty.rl4", rl4claiming(3, 0));
  vxtest::writefile("sparse.rl4", rl4claiming(1, 1));
  std::filesystem::resize_file("sparse.rl4", std::uintmax_t{3} << 30);
  std::filesystem::create_directory("folder");
  const std::string MANY = " pixels are more than vxtool takes in one picture (67108864)";
  const std::string LARGE = "it is larger than the 268435456 bytes vxtool reads of an RL4 file";
  const std::string cases[][2] = {
      {"rl4 encode tall.png -o x.rl4",
       "cannot encode tall.png: 65535 rows are more than an RL4 row table holds (32762)"},
      {"rl4 encode wide.png -o x.rl4", "cannot encode wide.png: its 65535 x 2000" + MANY},
      {"compare tall.png wide.png", "cannot read tall.png: its 65535 x 65535" + MANY},
      {"rl4 decode huge.rl4 -o x.png", "cannot decode huge.rl4: its 65535 x 65535" + MANY},
      {"rl4 decode empty.rl4 -o x.png",
       "cannot decode empty.rl4: it holds no pixels (0 x 3), and a PNG picture must hold one at "
       "least"},
      {"rl4 decode sparse.rl4 -o x.png", "cannot read sparse.rl4: " + LARGE},
      {"rl4 info sparse.rl4", "cannot read sparse.rl4: " + LARGE},
      {"rl4 decode folder -o x.png", "cannot read folder: Is a directory"},
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(vxtool(arguments), 1);
    EXPECT_NE(vxtest::readfile("out.txt").find(message), std::string::npos)
        << vxtest::readfile("out.txt");
  }
  EXPECT_FALSE(std::filesystem::exists("x.png") || std::filesystem::exists("x.rl4"));
}

}  // namespace
