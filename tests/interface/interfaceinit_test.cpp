// Bringing an interface up: logs, colour count, stores and the start-up failures.
#include <cstdlib>
#include <string>

#include "model/colors.h"
#include "model/model.h"
#include "model/state.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "render/stores.h"
#include "render/windows.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vx::model;
using vxtest::banner;
using vxtest::readfile;

// The sanitizer build's leak checker; null in other builds.
extern "C" int __lsan_do_recoverable_leak_check() __attribute__((weak));

namespace {

class InterfaceInit : public vxtest::InterfaceTest {};

const std::string ONE = "window(main 0 0 640 480 black peach black 0 1 0)\n";

TEST_F(InterfaceInit, ComesUpWithTheFileLoadedThePaletteSetAndNothingDrawn) {
  VXPsetcolor(3);
  bringup(ONE + "(sky 10 20 30)\n");
  EXPECT_EQ(readfile("error.log"), banner());
  EXPECT_EQ(model.nwindows, 1);
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_EQ(vx::render.openedpopup, -1);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  // The palette is in: index 8 draws sky and reads back as 8.
  VXPsetclip(0, 0, 640, 480);
  VXPsetcolor(8);
  VXPsetpixel(5, 5);
  EXPECT_EQ(VXPgetpixel(5, 5), 8);
  // Nothing else was drawn: the first repaint is the event loop's.
  EXPECT_EQ(VXPgetpixel(300, 300), 1);
}

TEST_F(InterfaceInit, BringingItUpAgainReleasesWhatTheFirstLoadMade) {
  bringup(ONE +
          "popup(menu 0 0 black white black black 0)\nplabel(a 1 press |A|)\n"
          "window(held 0 0 50 50 black white black 0 0 2)\nredrawfunc(redraw)\n"
          "(sky 1 2 3)\nalias(paper sky)\ncolorlist(sky paper sky paper sky)\n"
          "highlight(paper)\nbuttonstuff(sky 1 white dgray)\nspeedup(3)\n");
  VXshowwindow("held", 1, 1);
  ASSERT_TRUE(vx::storeoccupied(2));
  ASSERT_NE(vx::modelstate.settings.redrawfunction, nullptr);
  // No line end at the end: the scan's copy of its last line is that line.
  bringup(
      "window(root 0 0 10 10 black white black 0 1 0)\nwindow(two 0 0 5 5 black white black 0 0 "
      "0)");
  EXPECT_EQ(model.nwindows, 2);
  EXPECT_EQ(model.npopups, 0);
  EXPECT_STREQ(model.Win[1].name, "two");
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_FALSE(vx::storeoccupied(2));
  // The description's colours and settings are gone with it.
  const vx::Settings& settings = vx::modelstate.settings;
  EXPECT_EQ(settings.redrawfunction, nullptr);
  EXPECT_EQ(settings.highlightcolor, 0);
  EXPECT_EQ(settings.framecolor, 0);
  EXPECT_EQ(settings.crossout, 0);
  EXPECT_EQ(settings.repeatspeed, 1);
  EXPECT_EQ(vx::palettenamecount(), 8);
  EXPECT_EQ(vx::aliascount(), 0);
  EXPECT_EQ(vx::colorlistcount(), 0);
  if (__lsan_do_recoverable_leak_check != nullptr) {
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
  }
  // A syntax error before the first line end shows no line, as in a fresh process, not
  // the last line the scanner copied from the file before.
  const char* report = "Error on line: 0.\nLine: ||\nMessage: parse error.\n";
  EXPECT_FATAL(bringup("window ;\n"), report, banner() + report);
}

TEST_F(InterfaceInit, OnlyExactlyTwoHundredFiftySixGivesTheLargePalette) {
  for (int colors : {16, 8, 0, 255, 256}) {
    EXPECT_EXIT(
        {
          bringup(ONE, 1, colors);
          std::exit(vx::modelstate.colorcount == (colors == 256 ? 256 : 16) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << colors;
  }
}

TEST_F(InterfaceInit, StoreNumbersAreCheckedOnlyWithBackingStoresOn) {
  const std::string seven = ONE + "window(odd 0 0 10 10 black white black 0 0 7)\n";
  EXPECT_FATAL(bringup(seven, BSTORE), "Error:  can't have bstore # 7",
               banner() + "Error:  can't have bstore # 7");
  EXPECT_EXIT(
      {
        bringup(seven, 0);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(InterfaceInit, AMissingFileEndsTheProgram) {
  const std::string message = "Cannot open interface file |none.inf|.\n";
  EXPECT_FATAL(VXinterfaceinit("t", "none.inf", BSTORE, "w", 16, nullptr, nullptr,
                               "--vx-backend=headless", 0),
               message, banner() + message);
}

TEST_F(InterfaceInit, TheLogModeAppends) {
  vxtest::writefile("error.log", "earlier\n");
  vxtest::writefile("test.inf", ONE);
  VXinterfaceinit("t", "test.inf", BSTORE, "a", 16, nullptr, nullptr, "--vx-backend=headless", 0);
  EXPECT_EQ(readfile("error.log"), "earlier\n" + banner());
}

}  // namespace
