// Popup menus: rows, drawing, the highlight band, check marks, opening and closing.
#include "render/popups.h"

#include "core/log.h"
#include "events/state.h"
#include "render/drawstate.h"
#include "render/fixture_colors.h"
#include "render/render_fixture.h"
#include "render/state.h"
#include "render/stores.h"
#include "render/windows.h"

using namespace vxtest;

namespace {

constexpr int LEFT = 200, TOP = 100, WIDTH = 90;

class Popups : public RenderTest {
 protected:
  // A root window with a second window current, and one popup at (200, 100) whose
  // second item is hidden and third disabled.
  void build(int checklist = 0) {
    vx::Window& root = builder.window("root", 0, 0, 640, 480);
    root.bgcolor = BG;
    builder.window("other", 400, 300, 100, 100);
    vx::Popup& p = builder.popup("menu", LEFT, TOP);
    p.width = WIDTH;
    p.checklist = checklist;
    p.bgcolor = POPUPBG;
    p.bordercolor = POPUPBORDER;
    p.enabledcolor = ENABLED;
    p.disabledcolor = DISABLED;
    builder.item("one", "One");
    builder.item("two", "Two").active = -1;
    builder.item("three", "Three").active = 0;
    builder.build();
    vx::modelstate.settings.highlightcolor = HIGHLIGHT;
    vx::initstores(0);
    vx::setcurrentwindow(0);
    VXPsetcolor(BG);
    VXPfillrect(0, 0, 640, 480);
    vx::setcurrentwindow(1);
  }
  const vx::Popup& popup() { return vx::model.Popups[0]; }
  ModelBuilder builder;
};

TEST_F(Popups, ThreeItemsWithOneHiddenAreThirtySevenHigh) {
  build();
  vx::openpopup(0);
  EXPECT_EQ(popup().height, 37);
  EXPECT_EQ(count(POPUPBORDER, LEFT, TOP, WIDTH, 37), 2 * WIDTH + 2 * 35);
  EXPECT_EQ(px(LEFT, TOP + 37), BG);
  EXPECT_EQ(px(LEFT + 1, TOP + 1), POPUPBG);
  // Rows 0 and 1: baselines 115 and 130; the hidden item is not drawn.
  EXPECT_EQ(ink(ENABLED), textpixels(ENABLED, vx::FONT_BOLD, {{LEFT + 6, 115, "One"}}));
  EXPECT_EQ(ink(DISABLED), textpixels(DISABLED, vx::FONT_BOLD, {{LEFT + 6, 130, "Three"}}));
}

TEST_F(Popups, RowsAndItemsUnderThePointer) {
  build();
  struct Case {
    int y, row, item;
  } cases[] = {
      {TOP + 2, 0, 0},  // (-1) / 15 truncates to row 0
      {TOP + 3, 0, 0},    {TOP + 17, 0, 0},
      {TOP + 18, 1, 2},   {TOP + 33, 2, -1},  // past the last shown item
      {TOP - 20, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vx::popuprowat(c.y, 0), c.row) << c.y - TOP;
    EXPECT_EQ(vx::popupitemat(c.y, 0), c.item) << c.y - TOP;
  }
}

TEST_F(Popups, OpenThenCloseLeavesTheScreenAsItWas) {
  build();
  vx::setcurrentwindow(0);
  for (int x = 0; x < 640; x += 3) {
    VXPsetcolor(static_cast<std::uint8_t>(1 + x % 100));
    VXPline(x, 0, 640 - x, 480);
  }
  vx::setcurrentwindow(1);
  std::vector<std::uint32_t> before = snapshot();
  VXPsetcolor(77);
  VXPsetlinewidth(3);
  VXPsetfont(vx::FONT_NORMAL);
  vx::openpopup(0);
  EXPECT_EQ(vx::render.openedpopup, 0);
  EXPECT_EQ(vx::render.shownlevel, 2);
  EXPECT_EQ(popup().active, 1);
  EXPECT_TRUE(vx::storeoccupied(1));
  EXPECT_EQ(vx::currentwindowindex(), 0);  // clipped to the root window
  EXPECT_EQ(VXPgetcolor(), 77);
  EXPECT_EQ(VXPgetlinewidth(), 3);
  EXPECT_EQ(VXPgetfont(), vx::FONT_NORMAL);
  vx::highlightpopup(LEFT + 10, TOP + 20);
  EXPECT_FALSE(changed(before).empty());
  vx::closepopup();
  EXPECT_TRUE(changed(before).empty());
  EXPECT_EQ(vx::render.openedpopup, -1);
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_EQ(popup().active, 0);
  EXPECT_FALSE(vx::storeoccupied(1));
  EXPECT_EQ(vx::currentwindowindex(), 1);
}

TEST_F(Popups, OpeningWhileStoreOneIsHeldIsFatal) {
  build();
  vx::setstoreoccupied(1, true);
  EXPECT_FATAL(vx::openpopup(0), "Error - bstore 1 is already occupied.\n",
               banner() + "Error - bstore 1 is already occupied.\n");
  // A tool that goes on after the report finds nothing half done.
  vx::setreporthook([](int, const char*) -> bool { throw 0; });
  EXPECT_ANY_THROW(vx::openpopup(0));
  vx::setreporthook(nullptr);
  EXPECT_EQ(vx::render.openedpopup, -1);
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_EQ(popup().active, 0);
  EXPECT_EQ(vx::currentwindowindex(), 1);
}

TEST_F(Popups, OpeningWithoutARootWindowIsFatal) {
  builder.window("main", 0, 0, 640, 480);
  builder.popup("menu", 10, 10).width = 40;
  builder.item("a", "a");
  builder.build();
  vx::initstores(0);
  EXPECT_FATAL(vx::openpopup(0), "getname: Couldn't find |window| named |root|\n",
               banner() + "getname: Couldn't find |window| named |root|\n");
}

// The band of row r covers left + 1 to left + width - 2 and top + 3 + 15r to
// top + 17 + 15r.
TEST_F(Popups, HighlightMovesBetweenRowsPaintingTwoBands) {
  build();
  vx::openpopup(0);
  vx::highlightpopup(LEFT + 10, TOP + 5);
  int band = (WIDTH - 2) * 15;
  int text0 = static_cast<int>(textpixels(ENABLED, 15, {{LEFT + 6, 115, "One"}}).size());
  EXPECT_EQ(count(HIGHLIGHT, LEFT + 1, TOP + 3, WIDTH - 2, 15), band - text0);
  EXPECT_EQ(count(HIGHLIGHT, 0, 0, 640, 480), band - text0);
  std::vector<std::uint32_t> onrow0 = snapshot();

  vx::highlightpopup(LEFT + 10, TOP + 20);
  Pixels moved = changed(onrow0);
  EXPECT_TRUE(inside(moved, LEFT + 1, TOP + 3, WIDTH - 2, 30));
  EXPECT_EQ(count(HIGHLIGHT, LEFT + 1, TOP + 3, WIDTH - 2, 15), 0);
  EXPECT_EQ(count(POPUPBG, LEFT + 1, TOP + 3, WIDTH - 2, 15), band - text0);
  // A disabled item is highlighted too, its text keeping the disabled colour.
  int text1 = static_cast<int>(textpixels(DISABLED, 15, {{LEFT + 6, 130, "Three"}}).size());
  EXPECT_EQ(count(HIGHLIGHT, LEFT + 1, TOP + 18, WIDTH - 2, 15), band - text1);
  EXPECT_EQ(count(DISABLED, LEFT + 1, TOP + 18, WIDTH - 2, 15), text1);

  // Within the same row nothing is painted.
  VXPsetcolor(77);
  {
    vx::DrawingOnTop marker;  // on the popup, not beneath it
    VXPsetpixel(LEFT + 80, TOP + 25);
  }
  vx::highlightpopup(LEFT + 30, TOP + 31);
  EXPECT_EQ(px(LEFT + 80, TOP + 25), 77);
}

TEST_F(Popups, HighlightGoesAwayOnTheEdges) {
  build();
  vx::openpopup(0);
  std::vector<std::uint32_t> plain = snapshot();
  struct Case {
    int x, y;
  } away[] = {
      {LEFT + 10, TOP + 1}, {LEFT, TOP + 20}, {LEFT + WIDTH, TOP + 20}, {LEFT + 10, TOP + 32}};
  for (const Case& c : away) {
    vx::highlightpopup(LEFT + 10, TOP + 20);
    EXPECT_FALSE(changed(plain).empty());
    vx::highlightpopup(c.x, c.y);
    EXPECT_TRUE(changed(plain).empty()) << c.x - LEFT << "," << c.y - TOP;
  }
  // Just inside: the last pixel row of the last band still counts.
  vx::highlightpopup(LEFT + 1, TOP + 31);
  EXPECT_GT(count(HIGHLIGHT, LEFT + 1, TOP + 18, WIDTH - 2, 15), 0);
}

TEST_F(Popups, CheckListTextAndMarks) {
  build(1);
  vx::model.Popups[0].item[0].checked = 1;
  vx::openpopup(0);
  EXPECT_EQ(ink(ENABLED),
            textpixels(ENABLED, vx::FONT_BOLD, {{LEFT + 16, 115, "One"}, {LEFT + 6, 115, "*"}}));
}

TEST_F(Popups, ToggleRepaintsTheRowOfAShownItem) {
  build(1);
  vx::openpopup(0);
  vx::events.pointery = TOP + 40;  // on row 2
  std::vector<std::uint32_t> before = snapshot();
  vx::toggleitemcheck(0, 2, POPUPBG, vx::events.pointery);
  EXPECT_EQ(popup().item[2].checked, 1);
  EXPECT_TRUE(inside(changed(before), LEFT + 1, TOP + 18, WIDTH - 2, 15));
  EXPECT_EQ(ink(DISABLED),
            textpixels(DISABLED, vx::FONT_BOLD, {{LEFT + 16, 130, "Three"}, {LEFT + 6, 130, "*"}}));
  EXPECT_EQ(VXPgetcolor(), POPUPBG);

  // With the pointer on the row the band takes the highlight colour.
  vx::events.pointery = TOP + 20;
  vx::toggleitemcheck(0, 2, POPUPBG, vx::events.pointery);
  EXPECT_EQ(popup().item[2].checked, 0);
  EXPECT_EQ(ink(DISABLED), textpixels(DISABLED, vx::FONT_BOLD, {{LEFT + 16, 130, "Three"}}));
  EXPECT_GT(count(HIGHLIGHT, LEFT + 1, TOP + 18, WIDTH - 2, 15), 0);
}

TEST_F(Popups, ToggleOfAHiddenItemOrAClosedPopupOnlyFlipsTheMark) {
  build(1);
  std::vector<std::uint32_t> before = snapshot();
  vx::toggleitemcheck(0, 0, POPUPBG, vx::events.pointery);
  EXPECT_EQ(popup().item[0].checked, 1);
  vx::openpopup(0);
  before = snapshot();
  vx::toggleitemcheck(0, 1, POPUPBG, vx::events.pointery);
  EXPECT_EQ(popup().item[1].checked, 1);
  EXPECT_TRUE(changed(before).empty());
}

TEST_F(Popups, RedrawPaintsThePopupAgainWithoutTouchingTheStore) {
  build();
  vx::openpopup(0);
  std::vector<std::uint32_t> drawn = snapshot();
  vx::setcurrentwindow(0);
  VXPsetcolor(BG);
  VXPfillrect(0, 0, 640, 480);
  vx::setcurrentwindow(1);
  vx::redrawpopup();
  EXPECT_TRUE(changed(drawn).empty());
  EXPECT_EQ(vx::currentwindowindex(), 0);
  vx::closepopup();
  EXPECT_EQ(count(BG, 0, 0, 640, 480), 640 * 480);
}

}  // namespace
