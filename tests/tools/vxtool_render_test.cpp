// vxtool render on the sample that uses every statement, against the committed
// pictures in docs/images.
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/png.h"

using vxtest::readpng;

namespace {

class VxtoolRender : public vxtest::VxTest {};

int vxtool(const std::string& arguments) {
  std::string command = std::string(VXTOOL) + " " + arguments + " >out.txt 2>&1";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string SAMPLE = std::string(VX_DATA) + "/everything.inf";
const std::string IMAGES = std::string(VX_DATA) + "/../../docs/images/";

std::uint32_t at(const std::vector<std::uint32_t>& pixels, int x, int y) {
  return pixels[static_cast<std::size_t>(y) * 640 + static_cast<std::size_t>(x)];
}

// Device colour of 6-bit components.
constexpr std::uint32_t rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>((r * 4) << 16 | (g * 4) << 8 | (b * 4));
}

TEST_F(VxtoolRender, TheFirstRepaintShowsEveryDrawnStatement) {
  ASSERT_EQ(vxtool("render " + SAMPLE + " -o shot.png"), 0) << vxtest::readfile("out.txt");
  std::vector<std::uint32_t> shot = readpng("shot.png");
  ASSERT_EQ(shot.size(), 640u * 480u);
  EXPECT_EQ(at(shot, 300, 440), rgb(50, 50, 52));  // the root window's changed lgray
  EXPECT_EQ(at(shot, 0, 0), rgb(0, 0, 0));         // its border
  EXPECT_EQ(at(shot, 200, 200), rgb(63, 63, 63));  // the drag area
  EXPECT_EQ(at(shot, 500, 220), rgb(20, 40, 63));  // the filled rectangle
  EXPECT_EQ(at(shot, 440, 270), rgb(10, 50, 10));  // the outline's left edge
  EXPECT_EQ(at(shot, 500, 270), rgb(50, 50, 52));  // ...and its empty inside
  EXPECT_EQ(at(shot, 300, 380), rgb(63, 55, 0));   // the single line
  EXPECT_NE(at(shot, 572, 112), rgb(50, 50, 52));  // the up arrow
  // The status window is not shown at start.
  EXPECT_EQ(at(shot, 300, 430), rgb(50, 50, 52));
  EXPECT_EQ(shot, readpng((IMAGES + "everything.png").c_str()))
      << "regenerate docs/images/everything.png with: vxtool render "
         "tests/data/everything.inf -o docs/images/everything.png";
}

TEST_F(VxtoolRender, AnOpenedCheckListShowsItsMarksAndItsDisabledItem) {
  ASSERT_EQ(vxtool("render " + SAMPLE + " -o open.png --open options --show status"), 0)
      << vxtest::readfile("out.txt");
  ASSERT_EQ(vxtool("render " + SAMPLE + " -o closed.png"), 0);
  std::vector<std::uint32_t> open = readpng("open.png");
  std::vector<std::uint32_t> closed = readpng("closed.png");
  ASSERT_EQ(open.size(), 640u * 480u);
  EXPECT_EQ(at(open, 300, 430), rgb(63, 63, 63));  // the status window is shown
  // Only the popup's rectangle and the status window changed.
  for (int y = 0; y < 400; y++) {
    for (int x = 0; x < 640; x++) {
      if (x < 330 || y < 120 || y > 200) {
        ASSERT_EQ(at(open, x, y), at(closed, x, y)) << x << "," << y;
      }
    }
  }
  // The disabled item's text is drawn in the disabled colour (dgray).
  bool disabled = false;
  for (int y = 150; y < 170; y++)
    for (int x = 340; x < 420; x++) disabled = disabled || at(open, x, y) == rgb(50, 45, 45);
  EXPECT_TRUE(disabled);
  EXPECT_EQ(open, readpng((IMAGES + "everything-popup.png").c_str()))
      << "regenerate docs/images/everything-popup.png with: vxtool render "
         "tests/data/everything.inf -o docs/images/everything-popup.png --open options "
         "--show status";
}

TEST_F(VxtoolRender, BadArgumentsAndNames) {
  EXPECT_EQ(vxtool("render " + SAMPLE), 2);
  EXPECT_EQ(vxtool("render -o x.png"), 2);
  EXPECT_EQ(vxtool("render " + SAMPLE + " -o x.png --colors 3"), 2);
  EXPECT_NE(vxtool("render " + SAMPLE + " -o x.png --open nothing"), 0);
  EXPECT_EQ(vxtest::readfile("out.txt"), "getname: Couldn't find |popup| named |nothing|\n");
  EXPECT_NE(vxtool("render " + SAMPLE + " -o no/such/dir/x.png"), 0);
}

}  // namespace
