// vxtool preview under replay scripts: every callback the library makes, one line each;
// and a long random session that must end normally.
#include <sys/wait.h>

#include <cstdlib>
#include <random>
#include <string>

#include "support/fixture.h"
#include "tools/run_vxtool.h"

namespace {

class VxtoolPreview : public vxtest::VxTest {};

int preview(const std::string& arguments) {
  return vxtest::runvxtool(std::string("preview ").append(arguments), 120);
}

const std::string SAMPLE = std::string(VX_DATA) + "/everything.inf";

TEST_F(VxtoolPreview, PrintsEveryCallOfAScriptedSession) {
  vxtest::writefile("tour.txt",
                    "click 60 40\n"    // Colours, which opens its popup
                    "click 220 128\n"  // Red
                    "click 150 40\n"   // Options, a check list
                    "click 340 142\n"  // Snap to grid: toggled, stays open
                    "click 600 400\n"  // outside: dismissed
                    "drag 100 200 150 250 2\n"
                    "key a\n"
                    "click 570 110\n");  // up, whose callback is "choose"
  ASSERT_EQ(preview(SAMPLE + " --vx-replay=tour.txt"), 0) << vxtest::readfile("err.txt");
  EXPECT_EQ(vxtest::readfile("out.txt"),
            "redraw redraw()\n"
            "button colours(\"colours\")\n"
            "item choose(\"red\")\n"
            "button options(\"options\")\n"
            "item toggle(\"snap\")\n"
            "dismiss dismissed()\n"
            "drag drag(80, 80, DRAGINSIDE)\n"
            "drag drag(105, 105, DRAGBEGIN)\n"
            "drag drag(105, 105, DRAGINSIDE)\n"
            "drag drag(130, 130, DRAGMOTION)\n"
            "drag drag(130, 130, DRAGINSIDE)\n"
            "drag drag(130, 130, DRAGEND, \"canvas\")\n"
            "key keys(150, 250, 97)\n"
            "drag drag(550, -10, DRAGLEAVE)\n"
            "button choose(\"up\")\n");
}

// A hundred thousand random presses, releases, moves and keys (Control-Q aside) over
// overlapping buttons, drag areas, popups, check lists and a window at the level a modal
// window takes, which comes into play while a popup is open: the session ends normally.
TEST_F(VxtoolPreview, ARandomSessionEndsNormally) {
  vxtest::writefile("monkey.inf", vxtest::readfile(SAMPLE) +
                                      "window(modal 200 150 240 120 black white black 1 2 0)\n"
                                      "button(m |M| 10 10 60 20 ink dgray lgray choose 1 1 1 C)\n"
                                      "dragarea(md 80 10 100 60 white drag 1)\n");
  std::mt19937 random(20261207);
  auto coordinate = [&](int size) {
    return std::to_string(static_cast<int>(random() % (size + 40)) - 20);
  };
  std::string script;
  for (int i = 0; i < 100000; i++) {
    std::string x = coordinate(640), y = coordinate(480);
    switch (random() % 6) {
      case 0: script += "press " + x + " " + y + "\n"; break;
      case 1: script += "release " + x + " " + y + "\n"; break;
      case 2: script += "move " + x + " " + y + "\n"; break;
      case 3: script += "click " + x + " " + y + "\n"; break;
      case 4:
        script += "drag " + x + " " + y + " " + coordinate(640) + " " + coordinate(480) + " 3\n";
        break;
      default: {
        int key = static_cast<int>(random() % 94) + 33;  // printable
        script += "key " + std::string(1, static_cast<char>(key)) + "\n";
      }
    }
  }
  vxtest::writefile("monkey.txt", script);
  EXPECT_EQ(preview("monkey.inf --vx-replay=monkey.txt"), 0) << vxtest::readfile("err.txt");
}

}  // namespace
