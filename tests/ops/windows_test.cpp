// Showing, hiding and redrawing windows and buttons by name.
#include "render/windows.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/model.h"
#include "ops/ui_fixture.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vx::model;
using vxtest::banner;
using vxtest::UI;

namespace {

class WindowOps : public vxtest::InterfaceTest {};

std::vector<std::uint32_t> screen() {
  return {std::begin(vx::platform::framebuffer), std::end(vx::platform::framebuffer)};
}

bool same(const std::vector<std::uint32_t>& before) {
  return std::equal(before.begin(), before.end(), vx::platform::framebuffer);
}

TEST_F(WindowOps, AModalWindowSuspendsTheLevelBelowUntilItIsHidden) {
  bringup(UI);
  VXredrawall();
  const auto before = screen();
  VXshowwindow("dialog", 1, 1);
  EXPECT_EQ(vx::render.shownlevel, 2);
  EXPECT_EQ(model.Win[2].active, 2);
  EXPECT_EQ(model.Win[0].wb[0].active, -2);
  EXPECT_EQ(model.Win[1].wb[0].active, -2);
  EXPECT_EQ(vx::currentwindowindex(), 2);
  EXPECT_FALSE(same(before));

  // A plain window shown now joins level 2 and suspends nothing.
  VXshowwindow("plain", 0, 0);
  EXPECT_EQ(model.Win[3].active, 2);
  EXPECT_EQ(model.Win[2].wb[0].active, 1);
  VXdeactivatewindow("plain");
  EXPECT_EQ(model.Win[3].active, 0);

  VXhidewindow("dialog");
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_EQ(model.Win[2].active, 0);
  EXPECT_EQ(model.Win[0].wb[0].active, 1);
  EXPECT_EQ(model.Win[1].wb[0].active, 1);
  EXPECT_EQ(vx::currentwindowindex(), 0);
}

TEST_F(WindowOps, HidingAWindowShownWithItsStorePutsTheScreenBack) {
  bringup(UI);
  VXredrawall();
  const auto before = screen();
  VXshowwindow("dialog", 1, 0);
  EXPECT_EQ(model.Win[2].saved, 1);
  EXPECT_FALSE(same(before));
  VXselectwindow("dialog");
  VXhidecurrentwindow();
  EXPECT_TRUE(same(before));
  EXPECT_EQ(model.Win[2].active, 0);

  // Without a store the picture stays until something draws over it.
  VXshowwindow("plain", 1, 0);
  const auto shown = screen();
  VXhidewindow("plain");
  EXPECT_TRUE(same(shown));
  // Hiding a window that is not shown only makes the first window current.
  VXselectwindow("panel");
  VXhidewindow("dialog");
  EXPECT_EQ(vx::currentwindowindex(), 0);
}

// Drawing into a window that a popup or a modal window shown with its store covers goes
// beneath them: they stay as they are on the screen, and what they covered comes back
// with the new drawing when they go.
TEST_F(WindowOps, DrawingBeneathAPopupOrAModalWindowShowsWhenTheyGo) {
  bringup(UI);
  VXredrawall();
  VXshowwindow("dialog", 1, 1);  // at (150, 150), 150 x 80
  model.Popups[0].left = 200;    // over the dialog's lower right corner and the root
  model.Popups[0].top = 200;
  VXopenpopup("menu");
  const auto covered = screen();
  auto at = [](int x, int y) { return vx::platform::framebuffer[y * 640 + x]; };
  auto kept = [&](int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; y++)
      for (int x = left; x < right; x++)
        if (at(x, y) != covered[static_cast<std::size_t>(y * 640 + x)]) return false;
    return true;
  };
  const int right = 200 + model.Popups[0].width, bottom = 200 + model.Popups[0].height;

  VXselectwindow("root");
  VXsetcolor(VXgetcolor("peach"));
  VXwfillrect(0, 0, 640, 480);
  const std::uint32_t peach = at(10, 10);
  EXPECT_TRUE(kept(150, 150, 300, 230));
  EXPECT_TRUE(kept(200, 200, right, bottom));
  VXselectwindow("dialog");
  VXsetcolor(VXgetcolor("lgray"));
  VXwfillrect(0, 0, 150, 80);
  const std::uint32_t gray = at(290, 220);
  EXPECT_NE(gray, covered[220 * 640 + 290]);
  EXPECT_TRUE(kept(200, 200, right, bottom));

  vx::closepopup();
  EXPECT_EQ(at(205, 225), gray);          // under the popup, in the dialog
  EXPECT_EQ(at(205, bottom - 2), peach);  // under the popup, below the dialog
  VXhidewindow("dialog");
  EXPECT_EQ(at(160, 160), peach);
}

TEST_F(WindowOps, StoresThatAreOffOrTaken) {
  const std::string off =
      "Error - interface was not initialized withbacking store.\nIn VXinterfaceinit, pass "
      "BSTORE as the bstore argument.\n";
  EXPECT_FATAL(
      {
        bringup(UI, 0);
        VXshowwindow("dialog", 1, 0);
      },
      off, banner() + off);
  const std::string taken = "Error - backing store 3 is already occupied.\n";
  EXPECT_FATAL(
      {
        bringup(UI);
        VXshowwindow("dialog", 1, 0);
        VXshowwindow("dialog", 1, 0);
      },
      taken, banner() + taken);
}

TEST_F(WindowOps, RedrawAllPaintsLevelByLevelInTableOrder) {
  // Three windows on the same rectangle: the one at the highest level ends on top even
  // though it comes first in the table.
  bringup(
      "window(top 10 10 50 50 black peach black 0 0 0)\n"
      "window(middle 10 10 50 50 black lblue black 0 0 0)\n"
      "window(bottom 10 10 50 50 black dgray black 0 1 0)\n"
      "window(hidden 10 10 50 50 black lgray black 0 0 0)\n");
  model.Win[0].active = 3;
  model.Win[1].active = 2;
  vx::render.shownlevel = 3;
  VXredrawall();
  EXPECT_EQ(VXPgetpixel(30, 30), 7);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  model.Win[0].active = 0;
  VXredrawall();
  EXPECT_EQ(VXPgetpixel(30, 30), 6);
  VXredrawwindow("hidden");  // not shown: nothing drawn
  EXPECT_EQ(VXPgetpixel(30, 30), 6);
  VXactivatewindow("hidden");
  EXPECT_EQ(model.Win[3].active, 3);
  VXredrawwindow("hidden");
  EXPECT_EQ(VXPgetpixel(30, 30), 4);
}

TEST_F(WindowOps, ButtonStatesDrawOnlyWhenAskedAndLeaveTheirWindowCurrent) {
  bringup(UI);
  VXredrawall();
  const auto before = screen();
  VXselectwindow("root");
  VXdisablebutton("panel", "go", 0);
  EXPECT_EQ(model.Win[1].wb[0].active, 0);
  EXPECT_EQ(vx::currentwindowindex(), 1);
  EXPECT_TRUE(same(before));
  VXenablebutton("panel", "go", 1);
  EXPECT_EQ(model.Win[1].wb[0].active, 1);

  // Hiding paints the button's rectangle in the window's background; a redraw skips it.
  VXhidebutton("panel", "go", 1);
  for (int y = 110; y < 130; y++)
    for (int x = 110; x < 160; x++) ASSERT_EQ(VXPgetpixel(x, y), 7) << x << "," << y;
  VXredrawwindow("panel");
  EXPECT_EQ(VXPgetpixel(135, 120), 7);
  VXshowbutton("panel", "go", 1);
  EXPECT_NE(VXPgetpixel(135, 112), 7);
}

}  // namespace
