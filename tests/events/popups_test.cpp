// Choosing from popup menus: an item, a check mark, a disabled item, and the releases
// that dismiss a popup; what the last action says of each.
#include <string>

#include "model/model.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "support/event_fixture.h"
#include "vx.h"

using vxtest::INPUT;

namespace {

class PopupChoice : public vxtest::EventTest {
 protected:
  static LastAction last() {
    LastAction action;
    VXgetlastaction(&action);
    return action;
  }
};

// "menu" opens at (400, 100): rows of 15 from y 103 hold one, off (disabled), two.
TEST_F(PopupChoice, AnItemIsChosenAfterTheScreenIsRestored) {
  bringup(INPUT);
  std::uint8_t under = VXPgetpixel(405, 110);
  click(330, 20);  // the button that opens "menu", after its callback
  EXPECT_EQ(calls(), "menu(open)");
  ASSERT_EQ(vx::render.openedpopup, 0);
  EXPECT_NE(VXPgetpixel(405, 110), under);
  click(420, 108);
  EXPECT_EQ(calls(), "press(one)");  // the popup was closed before the call
  EXPECT_EQ(VXgetopenpopup(), nullptr);
  EXPECT_EQ(VXPgetpixel(405, 110), under);
  EXPECT_EQ(last().kind, 2);
  EXPECT_STREQ(last().name, "menu");
  EXPECT_EQ(last().value.index, 0);

  // The disabled item beeps and the popup stays; then the releases that dismiss it: on
  // the top border, outside, and inside below the last item.
  for (int y : {101, 400, 150}) {
    VXopenpopup("menu");
    int beeps = vx::platform::headless::beeps();
    click(420, 123);
    EXPECT_EQ(vx::platform::headless::beeps(), beeps + 1);
    EXPECT_EQ(vx::render.openedpopup, 0);
    click(420, y);
    EXPECT_EQ(vx::render.openedpopup, -1) << y;
    EXPECT_EQ(calls(), "dismiss()") << y;
    EXPECT_EQ(last().kind, 0);
    EXPECT_EQ(last().value.index, -1);
  }
}

TEST_F(PopupChoice, ACheckListTogglesAndStaysOpen) {
  bringup(INPUT);
  VXopenpopup("checks");
  click(420, 300 + 3 + 15 + 5);  // b
  EXPECT_EQ(calls(), "press(b) [open]");
  EXPECT_STREQ(VXgetopenpopup(), "checks");
  int checked = 1;
  VXgetiteminfo("checks", "b", nullptr, &checked);
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(last().kind, 2);
  EXPECT_EQ(last().value.index, 1);
  // While a popup is open no other button responds.
  click(20, 20);
  EXPECT_EQ(calls(), "dismiss()");
}

// A row without an entry point, as a table being filled in has: choosing its item does
// nothing, and the popup stays.
TEST_F(PopupChoice, AnItemWhoseRowHasNoEntryPointDoesNothing) {
  static const FunctionEntry rows[] = {{"empty", static_cast<VXnamefunc>(nullptr)},
                                       {"none", static_cast<VXplainfunc>(nullptr)}};
  VXsetfunctiontable(rows, 2);
  bringup(
      "popup(p 400 100 peach black dgray black 0 none)\n"
      "plabel(one 1 empty |One|)\n"
      "window(root 0 0 640 480 black white black 0 1 0)\n");
  for (int checklist : {0, 1}) {
    vx::model.Popups[0].checklist = checklist;
    VXopenpopup("p");
    click(420, 108);
    EXPECT_EQ(vx::render.openedpopup, 0);
    EXPECT_EQ(vx::model.Popups[0].item[0].checked, 0);
    click(420, 400);  // a dismissal through a row without an entry point
    EXPECT_EQ(vx::render.openedpopup, -1);
  }
}

}  // namespace
