// Texts and numbers in the current window: where they land, how they are cut, how the
// numbers read, and that neither the caller's text nor a message is ever changed.
#include <cstdio>
#include <cstring>
#include <string>

#include "model/model.h"
#include "ops/library_windows.h"
#include "render/render_fixture.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vxtest::LIBRARYWINDOWS;

namespace {

class WindowText : public vxtest::InterfaceTest {
 protected:
  void SetUp() override {
    InterfaceTest::SetUp();
    bringup(LIBRARYWINDOWS);
    VXredrawall();
    VXselectwindow("message");  // at (0, 400), 640 x 80, no border
    VXPsetcolor(INK);
    VXPsetfont(vx::FONT_NORMAL);
  }
  static constexpr int INK = vxtest::INK;

  // What the number operations wrote, as the text VXPtext draws at the same place.
  static void expectwritten(const std::string& text) {
    EXPECT_EQ(vxtest::ink(INK), vxtest::textpixels(INK, vx::FONT_NORMAL, {{11, 420, text}}))
        << "'" << text << "'";
    VXPsetcolor(0);
    VXPfillrect(0, 400, 640, 80);
    VXPsetcolor(INK);
  }
};

TEST_F(WindowText, NumbersAreGroupedPaddedAndCut) {
  VXwwritetext(10, 20, "I");  // one column right of x, y the baseline
  expectwritten("I");
  VXwwritecommanum(10, 20, 12345678);
  expectwritten("12,345,678");
  VXwwritecommanum(10, 20, 100);
  expectwritten("100");
  VXwwritecommanum(10, 20, 1000);
  expectwritten("1,000");
  VXwwritecommanum(10, 20, -1234567);
  expectwritten("-1,234,567");
  VXwwritecommanum(10, 20, -123);
  expectwritten("-123");
  VXwwritelong(5, 10, 20, 42);
  expectwritten("   42");
  VXwwritelong(-5, 10, 20, 42);  // aligned left: the blanks follow
  expectwritten("42");
  VXwwritefloat(0, 3, 10, 20, 3.14159);
  expectwritten("3.142");
  VXwwritefloat(8, 2, 10, 20, -2.5);
  expectwritten("   -2.50");
  // Results longer than 83 characters are cut at the end, and nothing beyond is touched.
  char whole[400];
  std::snprintf(whole, sizeof whole, "%.0f", 1e300);
  std::string grouped;
  for (std::size_t p = 0, n = std::strlen(whole); p < n; p++) {
    grouped += whole[p];
    if (p + 1 < n && (n - p - 1) % 3 == 0) grouped += ',';
  }
  VXwwritecommanum(10, 20, 1e300);
  expectwritten(grouped.substr(0, 83));
  VXwwritefloat(500, 2, 10, 20, 1.5);  // 83 blanks: nothing to see
  VXwwritefloat(10, -3, 10, 20, 0.5);  // a negative precision is the default, six places
  expectwritten("  0.500000");
  VXwwritelong(-200, 10, 20, 42);
  expectwritten("42");
}

TEST_F(WindowText, AClippedMessageShowsOnlyItsBoxOrWarnsOfEachBadValue) {
  VXselectwindow("alert");  // at (100, 100), 300 x 120, border 1
  VXwwriteclippedmsg(150, 30, 100, 20, 140, 30, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  vxtest::Pixels drawn = vxtest::ink(INK);
  ASSERT_FALSE(drawn.empty());
  EXPECT_TRUE(vxtest::inside(drawn, 100 + 151, 100, 98, 480));  // window columns 151 to 248
  // Cut back at the window's right edge: 260 + 100 is past 300.
  VXwwriteclippedmsg(260, 30, 100, 20, 240, 30, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  EXPECT_TRUE(vxtest::inside(vxtest::ink(INK), 100 + 151, 100, 300 - 151 - 2 + 1, 480));

  const vxtest::Pixels before = vxtest::ink(INK);
  VXwwriteclippedmsg(-1, 10, 0, 10, 0, 10, "x");
  VXwwriteclippedmsg(300, 10, 10, 10, 0, 10, "x");
  VXwwriteclippedmsg(10, -1, 10, 0, 0, 10, "x");
  VXwwriteclippedmsg(10, 120, 10, 10, 0, 10, "x");
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() + "Negative value passed to clip_x in VXwwriteclippedmsg\n" +
                "Non-positive value passed to clip_wd in VXwwriteclippedmsg\n" +
                "Value passed to clip_x is beyond right edge of window in VXwwriteclippedmsg\n" +
                "Negative value passed to clip_y in VXwwriteclippedmsg\n" +
                "Non-positive value passed to clip_ht in VXwwriteclippedmsg\n" +
                "Value passed to clip_y is beyond bottom edge of window in VXwwriteclippedmsg\n");
  EXPECT_EQ(vxtest::ink(INK), before);  // and nothing drawn
}

TEST_F(WindowText, NeitherTheCallersTextNorAMessageIsChanged) {
  char text[] = "a\x01\tb";
  VXwwritetext(10, 20, text);
  VXwwriteclippedmsg(0, 30, 100, 20, 0, 30, text);
  EXPECT_STREQ(text, "a\x01\tb");
  VXwwritemsg(10, 20, "tab");
  VXwwritemsg(10, 40, "TAB");
  EXPECT_STREQ(VXgetmsgtext("tab"), "a\tb");
}

}  // namespace
