// What popup and plabel statements put into the model.
#include <algorithm>
#include <string>

#include "model/model.h"
#include "render/platform/platform.h"
#include "support/load_fixture.h"

using vx::model;
using vxtest::row;

namespace {

class LoadPopups : public vxtest::LoadTest {};

int boldwidth(const char* text) {
  int font = VXPgetfont();
  VXPsetfont(vx::FONT_BOLD);
  int width = VXPtextwidth(text);
  VXPsetfont(font);
  return width;
}

TEST_F(LoadPopups, TheFormWithADismissFunctionListsTheBackgroundFirst) {
  load(
      "popup(plain 10 20 black dgray white peach 0)\n"
      "popup(dismissable 30 40 black dgray white peach 1 dismiss)\n");
  ASSERT_EQ(model.npopups, 2);
  const vx::Popup& plain = model.Popups[0];
  EXPECT_STREQ(plain.name, "plain");
  EXPECT_EQ(plain.left, 10);
  EXPECT_EQ(plain.top, 20);
  EXPECT_EQ(plain.enabledcolor, 0);
  EXPECT_EQ(plain.disabledcolor, 2);
  EXPECT_EQ(plain.bgcolor, 1);
  EXPECT_EQ(plain.bordercolor, 7);
  EXPECT_EQ(plain.checklist, 0);
  EXPECT_EQ(plain.callback, nullptr);
  EXPECT_EQ(plain.nitems, 0);
  EXPECT_EQ(plain.width, 0);
  EXPECT_EQ(plain.active, 0);

  const vx::Popup& other = model.Popups[1];
  EXPECT_EQ(other.bgcolor, 0);
  EXPECT_EQ(other.enabledcolor, 2);
  EXPECT_EQ(other.disabledcolor, 1);
  EXPECT_EQ(other.bordercolor, 7);
  EXPECT_EQ(other.checklist, 1);
  EXPECT_EQ(other.callback, row("dismiss"));
}

TEST_F(LoadPopups, ItemsFillInOrderAndWidenThePopupByTheirBoldLabels) {
  VXPsetfont(vx::FONT_NORMAL);
  load(
      "popup(colours 0 0 black dgray white black 0)\n"
      "plabel(red 1 press |Red|)\n"
      "plabel(hidden -1 menu |A much longer hidden label| 1)\n"
      "plabel(off 0 press |Off|)\n"
      "popup(checks 0 0 black dgray white black 1)\n"
      "plabel(grid 1 press |Grid| 1)\n");
  const vx::Popup& p = model.Popups[0];
  ASSERT_EQ(p.nitems, 3);
  EXPECT_STREQ(p.item[0].name, "red");
  EXPECT_STREQ(p.item[0].label, "Red");
  EXPECT_EQ(p.item[0].active, 1);
  EXPECT_EQ(p.item[0].checked, 0);
  EXPECT_EQ(p.item[0].callback, row("press"));
  EXPECT_EQ(p.item[1].active, -1);
  EXPECT_EQ(p.item[1].checked, 1);
  EXPECT_EQ(p.item[1].callback, row("menu"));
  EXPECT_EQ(p.item[2].active, 0);
  // Hidden items count towards the width too.
  int widest =
      std::max({boldwidth("Red"), boldwidth("A much longer hidden label"), boldwidth("Off")});
  EXPECT_EQ(p.width, widest + 10);
  EXPECT_GT(boldwidth("A much longer hidden label"), boldwidth("Red"));

  const vx::Popup& checks = model.Popups[1];
  EXPECT_EQ(checks.width, boldwidth("Grid") + 20);
  EXPECT_EQ(checks.item[0].checked, 1);
  // Measuring in bold leaves the drawing font as it was.
  EXPECT_EQ(VXPgetfont(), vx::FONT_NORMAL);
}

}  // namespace
