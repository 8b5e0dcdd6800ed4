// vxtool rl4: PNG to RL4 and back in every packing, the packing it chooses, and the files
// it refuses or finds damaged.
#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class VxtoolRl4 : public vxtest::VxTest {};

int rl4(const std::string& arguments) {
  std::string command = std::string(VXTOOL) + " rl4 " + arguments + " >out.txt 2>&1";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

}  // namespace
