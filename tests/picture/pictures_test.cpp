// RL4 pictures: the example file through every reader and both drawing operations, each
// packing's counts, and files that are not what they say.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/log.h"
#include "render/render_fixture.h"
#include "support/interface_fixture.h"
#include "vx.h"

namespace {

// An RL4 file: the tag's last byte, the size, and each row's run bytes.
std::string rl4(unsigned char packing, int rows, int cols, const std::vector<std::string>& runs) {
  auto word = [](int v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
  };
  std::string file = std::string("RUN") + static_cast<char>(packing) + word(rows) + word(cols) +
                     word(10 + 2 * rows);
  for (const std::string& row : runs) file += word(static_cast<int>(row.size()));
  for (const std::string& row : runs) file += row;
  return file;
}

// The 20-byte example: 3 columns, 2 rows, 8-bit runs: 5 5 5 / 7 9 9.
const std::string EXAMPLE = rl4(0x88, 2, 3, {"\x03\x05", "\x01\x07\x02\x09"});

class Pictures : public vxtest::InterfaceTest {
 protected:
  void SetUp() override {
    InterfaceTest::SetUp();
    bringup("window(root 0 0 640 480 black white black 0 1 0)\n", 1, 256);
    vxtest::installtestpalette();  // every index reads back as itself
  }
  // Opens `bytes` written to a file, for reading.
  static std::FILE* open(const std::string& bytes) {
    vxtest::writefile("picture.rl4", bytes);
    return VXopenfile("picture.rl4", "rb");
  }
  // Loads `bytes`; the buffer lives as long as the test. It starts at an odd address,
  // as a caller's buffer may.
  Picture load(const std::string& bytes, int* result = nullptr) {
    std::FILE* file = open(bytes);
    buffer_.assign(bytes.size() > 8 ? bytes.size() - 7 : 2, 0);
    Picture picture{};
    int loaded = VXloadpicture(file, &picture, buffer_.data() + 1);
    std::fclose(file);
    if (result != nullptr) *result = loaded;
    return picture;
  }
  static std::vector<int> pixels(const Picture& picture, int column, int row, int count) {
    std::vector<std::int16_t> values(static_cast<std::size_t>(count) + 1, 42);
    VXgetpicturepixel(&picture, column, row, values.data(), count);
    return {values.begin(), values.end()};
  }
  // Window row y from column x, n pixels.
  static std::vector<int> screen(int x, int y, int n) {
    std::vector<int> row;
    for (int i = 0; i < n; i++) row.push_back(VXPgetpixel(x + i, y));
    return row;
  }
  std::vector<unsigned char> buffer_;
};

TEST_F(Pictures, TheExampleThroughEveryReader) {
  ASSERT_EQ(EXAMPLE.size(), 20u);
  std::FILE* file = open(EXAMPLE);
  std::uint16_t rows = 0, cols = 0;
  VXgetpicturesize(file, &rows, &cols);
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(cols, 3);
  std::int16_t values[4] = {42, 42, 42, 42};
  VXgetfilepixel(file, 1, 1, values, 4);
  EXPECT_EQ((std::vector<int>(values, values + 4)), (std::vector<int>{9, 9, 42, 42}));
  std::fclose(file);

  int loaded = 0;
  Picture picture = load(EXAMPLE, &loaded);
  ASSERT_EQ(loaded, 1);
  EXPECT_EQ(picture.runsize, 2);
  std::uint16_t lengths[3];
  std::memcpy(lengths, picture.rowlengths, sizeof lengths);
  EXPECT_EQ((std::vector<int>(lengths, lengths + 3)), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(pixels(picture, 1, 1, 4), (std::vector<int>{9, 9, -1, -1, 42}));
  EXPECT_EQ(pixels(picture, 0, 2, 2), (std::vector<int>{-1, -1, 42}));
  EXPECT_EQ(pixels(picture, 3, 0, 1), (std::vector<int>{-1, 42}));
  EXPECT_EQ(pixels(picture, -1, 0, 2), (std::vector<int>{-1, -1, 42}));
  EXPECT_EQ(pixels(picture, 0, -1, 1), (std::vector<int>{-1, 42}));
  EXPECT_EQ(pixels(picture, 0, 0, 0), (std::vector<int>{42}));
}

TEST_F(Pictures, TheExampleDrawnStraightMagnifiedShiftedAndFromItsFile) {
  Picture picture = load(EXAMPLE);
  VXdrawpicture(&picture, 10, 20, 3, 2, 0, 0, 1, nullptr);
  EXPECT_EQ(screen(10, 20, 3), (std::vector<int>{5, 5, 5}));
  EXPECT_EQ(screen(10, 21, 3), (std::vector<int>{7, 9, 9}));
  VXdrawpicture(&picture, 10, 30, 6, 4, 0, 0, 2, nullptr);
  EXPECT_EQ(screen(10, 31, 6), (std::vector<int>{5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(screen(10, 33, 6), (std::vector<int>{7, 7, 9, 9, 9, 9}));
  EXPECT_EQ(screen(10, 34, 1), (std::vector<int>{0}));  // four rows, no more
  VXdrawpicture(&picture, 10, 40, 5, 2, 0, 0, 1, nullptr);
  EXPECT_EQ(screen(10, 41, 5), (std::vector<int>{7, 9, 9, 255, 255}));
  VXdrawpicture(&picture, 10, 50, 3, 2, 1, 0, 1, nullptr);
  EXPECT_EQ(screen(10, 50, 3), (std::vector<int>{5, 5, 255}));
  EXPECT_EQ(screen(10, 51, 3), (std::vector<int>{9, 9, 255}));
  VXdrawpicture(&picture, 10, 60, 3, 5, 0, 1, 1, nullptr);
  EXPECT_EQ(screen(10, 60, 3), (std::vector<int>{7, 9, 9}));
  EXPECT_EQ(screen(10, 61, 1), (std::vector<int>{0}));

  // The mapping function's arguments along the first screen row, magnified twice.
  static std::vector<std::string> calls;
  calls.clear();
  VXdrawpicture(&picture, 10, 70, 4, 1, 0, 0, 2,
                [](std::uint16_t value, int column, int row, int repeat) {
                  calls.push_back(std::to_string(value) + " " + std::to_string(column) + " " +
                                  std::to_string(row) + " " + std::to_string(repeat));
                  return value + 256 + 1;  // only the low 8 bits count
                });
  EXPECT_EQ(calls, (std::vector<std::string>{"5 0 0 0", "5 1 0 1", "5 2 0 0", "5 3 0 1"}));
  EXPECT_EQ(screen(10, 70, 4), (std::vector<int>{6, 6, 6, 6}));

  std::FILE* file = open(EXAMPLE);
  VXdrawfilepicture(file, 10, 80, 3, 5, 1, 0, [](std::uint16_t value) { return value + 256; });
  EXPECT_EQ(screen(10, 80, 3), (std::vector<int>{5, 5, 255}));
  EXPECT_EQ(screen(10, 81, 3), (std::vector<int>{9, 9, 255}));
  EXPECT_EQ(screen(10, 82, 1), (std::vector<int>{0}));
  std::fclose(file);
}

TEST_F(Pictures, EachPackingsCountOfZeroIsItsLargest) {
  struct Case {
    unsigned char packing;
    std::string run;
    int count, value;
  };
  const Case cases[] = {
      {0x84, "\x35", 3, 5},
      {0x84, "\x05", 16, 5},
      {0x88, std::string("\x00\x07", 2), 256, 7},
      {0x8C, "\x34\x12", 1, 0x234},
      {0x8C, "\x34\x02", 16, 0x234},
      {0x90, std::string("\x00\x34\x12", 3), 256, 0x1234},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.packing);
    Picture picture = load(rl4(c.packing, 1, c.count, {c.run}));
    std::vector<int> expected(static_cast<std::size_t>(c.count), c.value);
    expected.push_back(-1);
    expected.push_back(42);
    EXPECT_EQ(pixels(picture, 0, 0, c.count + 1), expected);
  }
  int loaded = 1;
  load(rl4(0x85, 2, 3, {"\x35", "\x35"}), &loaded);
  EXPECT_EQ(loaded, 0);
  std::uint16_t rows = 0, cols = 0;
  std::FILE* file = open(rl4(0x85, 2, 3, {"\x35", "\x35"}));
  VXgetpicturesize(file, &rows, &cols);
  std::fclose(file);
  EXPECT_EQ(rows * 100 + cols, 203);
}

// Files that are not what they say: nothing is read or written outside the file's data
// and the caller's buffers (the sanitizer build checks), and what is drawn is cut.
TEST_F(Pictures, DamagedFilesAndWildArgumentsStayInside) {
  int loaded = 1;
  load(rl4(0x88, 2, 3, {"\x03\x05", "\x03\x07"}).substr(0, 12), &loaded);  // table cut short
  EXPECT_EQ(loaded, 0);
  // Rows whose runs claim more or fewer pixels than the columns, and a row table that
  // claims more bytes than the file holds.
  std::string lying = rl4(0x88, 3, 3, {"\x09\x05", "\x01\x07", "\x03\x09"});
  lying[14] = '\x50';  // the last row claims 80 bytes
  Picture picture = load(lying, &loaded);
  ASSERT_EQ(loaded, 1);
  EXPECT_EQ(pixels(picture, 0, 0, 4), (std::vector<int>{5, 5, 5, -1, 42}));
  VXdrawpicture(&picture, 0, 100, 5, 3, 0, 0, 1, nullptr);
  EXPECT_EQ(screen(0, 100, 5), (std::vector<int>{5, 5, 5, 255, 255}));
  EXPECT_EQ(screen(0, 101, 3), (std::vector<int>{7, 255, 255}));  // one pixel, then 255
  EXPECT_EQ(screen(0, 102, 3), (std::vector<int>{9, 9, 9}));
  VXdrawpicture(&picture, 0, 110, 5000, 2, 0, 0, 1, nullptr);  // cut to the screen
  VXdrawpicture(&picture, 0, 120, 5, 2, 0, 0, 0, nullptr);     // no factor: nothing
  VXdrawpicture(&picture, 0, 120, 5, 2, -1, 0, 1, nullptr);    // before the corner: nothing
  EXPECT_EQ(screen(0, 120, 1), (std::vector<int>{0}));
  std::FILE* file = open(rl4(0x88, 1, 3, {"\x01\x07"}));  // a row one run short
  VXdrawfilepicture(file, 0, 130, 5000, 1, 2, 0, nullptr);
  EXPECT_EQ(screen(0, 130, 2), (std::vector<int>{255, 255}));
  std::fclose(file);

  std::string wide = rl4(0x88, 1, 641, {std::string("\x00\x01\x00\x01\x81\x01", 6)});
  EXPECT_FATAL(
      {
        std::FILE* f = open(wide);
        VXdrawfilepicture(f, 0, 0, 10, 1, 0, 0, nullptr);
      },
      "Too many columns (641) for picture\n",
      vxtest::banner() + "Too many columns (641) for picture\n");
  vx::closelogs();
  EXPECT_FATAL(
      {
        std::FILE* f = open("RUN");
        VXgetpicturesize(f, nullptr, nullptr);
      },
      "Unable to read tag\n", vxtest::banner() + "Unable to read tag\n");
  vx::closelogs();
  EXPECT_FATAL(
      {
        std::FILE* f = open(rl4(0x85, 1, 3, {"\x35"}));
        std::int16_t values[1];
        VXgetfilepixel(f, 0, 0, values, 1);
      },
      "Unknown tag type (854e5552)\n", vxtest::banner() + "Unknown tag type (854e5552)\n");
}

}  // namespace
