// Drawing in window coordinates, frames, origins and the last action.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "events/lastaction.h"
#include "model/model.h"
#include "ops/ui_fixture.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vx::model;
using vxtest::UI;

namespace {

class WindowDrawing : public vxtest::InterfaceTest {};

std::vector<std::uint32_t> screen() {
  return {std::begin(vx::platform::framebuffer), std::end(vx::platform::framebuffer)};
}

// panel: at (100, 100), 200 x 100, border 2, background peach (7).
TEST_F(WindowDrawing, FiguresTakeTheCurrentWindowsCorner) {
  bringup(UI);
  VXredrawall();
  VXselectwindow("panel");
  VXPsetcolor(3);
  const auto before = screen();
  VXwxorrect(10, 10, 50, 30);
  VXwxorline(5, 5, 150, 90);
  EXPECT_NE(screen(), before);
  VXwxorline(5, 5, 150, 90);
  VXwxorrect(10, 10, 50, 30);  // twice: gone
  EXPECT_EQ(screen(), before);
  EXPECT_EQ(VXPgetcolor(), 3);

  VXwfillrect(120, 50, 10, 10);
  VXwfillrect(150, 50, 0, 10);  // nothing: a side of 0
  VXwclearrect(120, 50, 10, 10);
  EXPECT_EQ(VXwgetpixel(120, 55), 3);  // the outline stays
  EXPECT_EQ(VXwgetpixel(121, 51), 7);
  EXPECT_EQ(VXwgetpixel(128, 58), 7);
  EXPECT_EQ(VXwgetpixel(129, 55), 3);
  EXPECT_EQ(VXwgetpixel(150, 55), 7);
  EXPECT_EQ(VXPgetcolor(), 3);

  // The points are moved in place: drawn twice, the second lands a corner further on.
  std::int32_t points[] = {100, 10, 130, 10, 100, 40};
  VXwfillpoly(3, points);
  EXPECT_EQ((std::vector<std::int32_t>(std::begin(points), std::end(points))),
            (std::vector<std::int32_t>{200, 110, 230, 110, 200, 140}));
  EXPECT_EQ(VXPgetpixel(202, 112), 3);
}

TEST_F(WindowDrawing, OriginsHoldTheRightAndBottomEdgesOnTheScreen) {
  bringup(UI);
  int left = 600, zero = 0, wide = 700, top = 470;
  VXsetwindoworigin("panel", &left, nullptr, &zero, nullptr);
  EXPECT_EQ(model.Win[1].left, 440);  // 640 - 200
  EXPECT_EQ(model.Win[1].width, 200);
  left = -20;
  VXsetwindoworigin("panel", &left, &top, nullptr, nullptr);
  EXPECT_EQ(model.Win[1].left, -20);
  EXPECT_EQ(model.Win[1].top, 380);
  left = 10;
  VXsetwindoworigin("panel", &left, nullptr, &wide, nullptr);  // wider than the screen
  EXPECT_EQ(model.Win[1].left, -20);
  VXsetmenuorigin("menu", nullptr, &top);  // never opened: no height yet
  EXPECT_EQ(model.Popups[0].top, 470);
  EXPECT_FATAL(VXsetmenuorigin("nope", &left, &top), "Invalid popup |nope| in set menu origin.\n",
               vxtest::banner() + "Invalid popup |nope| in set menu origin.\n");
}

TEST_F(WindowDrawing, FramesSkipNullNamesWithTwoWarnings) {
  bringup(UI);
  VXselectwindow("panel");
  VXframefield("panel", nullptr, 3, 4);
  VXframedragarea(nullptr, "pad", 3, 4);
  VXframedragarea("panel", nullptr, 3, 4);
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() +
                "NULL passed to parameter field in VXframefield; \nframe not drawn.\n" +
                "NULL passed to parameter window in VXframedragarea\nframe not drawn.\n" +
                "NULL passed to parameter dragarea in VXframedragarea\nframe not drawn.\n");
  // Without a window name the field is framed in the current one; it stays current.
  VXframefield(nullptr, "status", 3, 4);  // status: (5, 6), 7 x 8
  EXPECT_EQ(VXPgetpixel(100 + 5, 100 + 5), 3);
  EXPECT_EQ(VXPgetpixel(100 + 12, 100 + 10), 4);
  EXPECT_STREQ(VXgetcurrentwindowname(), "panel");

  vx::recordaction(1, "panel", "pad");
  VXclearlastaction();
  LastAction last;
  VXgetlastaction(&last);
  EXPECT_EQ(last.kind, 0);
  EXPECT_STREQ(last.name, "");
  EXPECT_EQ(last.value.index, -1);
  EXPECT_EQ(std::string(last.time).size(), 8u);
}

}  // namespace
