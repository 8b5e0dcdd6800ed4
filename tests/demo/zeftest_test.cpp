// The demonstration's behaviour as a user meets it: the drawing with its shapes and
// colours, the text line and its keys, the full-line alert, and the greetings.
#include "zeftest.h"

#include <string>

#include "model/model.h"
#include "render/platform/platform.h"
#include "support/demo_fixture.h"
#include "vx.h"

using vx::model;
using zeftest::objectcount;
using zeftest::state;

namespace {

// The popups by their place in the description (the "Box" menu is 1).
constexpr int COLMENU = 0, FUNCSMENU = 2;
// Where things are on the screen.
constexpr int SWATCHX = 180, SWATCHY = 60;
constexpr int FAR = 600, FARY = 300;  // a blank spot of the window "io"

class Demo : public vxtest::DemoTest {
 protected:
  // A drag begins with the first move after the press, where that move ends.
  static void drag(int x1, int y1, int x2, int y2) {
    press(x1 - 1, y1);
    move(x1, y1);
    move((x1 + x2) / 2, (y1 + y2) / 2);
    move(x2, y2);
    release(x2, y2);
  }
  // Picks an item of a popup opened by a button along the top; a check list stays open
  // until a click elsewhere.
  static void choose(int buttonx, int item, bool checklist) {
    click(buttonx, 60);
    click(buttonx - 40, 86 + 15 * item);
    if (checklist) click(FAR, FARY);
  }
  static void type(const std::string& text) {
    for (char c : text) key(c);
  }
  static int checked(int popup, int item) { return model.Popups[popup].item[item].checked; }
  static int enabled(int popup, int item) { return model.Popups[popup].item[item].active; }
};

TEST_F(Demo, RectanglesTakeTheShapeAndColourChosenWhenTheyAreDrawn) {
  // The start: the first colour of the list, checked, on the swatch; nothing to clear.
  EXPECT_EQ(state.color, color("red"));
  EXPECT_EQ(pixel(SWATCHX, SWATCHY), color("red"));
  EXPECT_EQ(checked(COLMENU, 0) + checked(COLMENU, 1) * 10 + checked(COLMENU, 4) * 100, 1);
  EXPECT_EQ(enabled(FUNCSMENU, 0), 0);
  EXPECT_EQ(enabled(FUNCSMENU, 1), 0);

  // Neither fill nor border: a drag draws nothing and keeps nothing.
  drag(100, 150, 200, 250);
  EXPECT_EQ(objectcount(), 0u);
  EXPECT_EQ(pixel(150, 200), color("white"));

  choose(257, 0, true);  // fill on
  drag(100, 150, 200, 250);
  EXPECT_EQ(pixel(100, 150), color("red"));
  EXPECT_EQ(pixel(150, 200), color("red"));
  EXPECT_EQ(enabled(FUNCSMENU, 0), 1);

  // Border only, dragged back past where it began: the corner is where it ended.
  choose(257, 0, true);  // fill off
  choose(257, 1, true);  // border on
  drag(300, 300, 250, 200);
  EXPECT_EQ(pixel(250, 200), color("ink"));
  EXPECT_EQ(pixel(275, 250), color("white"));

  // Both, in green: one mark moves to the new colour.
  choose(257, 0, true);
  choose(100, 1, true);
  EXPECT_EQ(checked(COLMENU, 0), 0);
  EXPECT_EQ(checked(COLMENU, 1), 1);
  EXPECT_EQ(pixel(SWATCHX, SWATCHY), color("green"));
  drag(350, 130, 400, 180);
  EXPECT_EQ(pixel(350, 130), color("ink"));
  EXPECT_EQ(pixel(375, 155), color("green"));
  EXPECT_EQ(objectcount(), 3u);

  // The same colour again changes nothing.
  choose(100, 1, true);
  EXPECT_EQ(checked(COLMENU, 1), 1);
  EXPECT_EQ(state.color, color("green"));

  // A repaint draws them all again; clearing takes them away.
  expose();
  EXPECT_EQ(pixel(150, 200), color("red"));
  choose(375, 0, false);
  EXPECT_EQ(objectcount(), 0u);
  EXPECT_EQ(pixel(150, 200), color("white"));
  EXPECT_EQ(enabled(FUNCSMENU, 0), 0);
}

TEST_F(Demo, TheTextLineTakesLettersDigitsBlanksDashesAndDotsAndDropsIntoTheDrawing) {
  click(150, 200);  // nothing typed: nothing to drop
  EXPECT_EQ(objectcount(), 0u);

  // Typing goes to the text line only while its window is current.
  int beeps = vx::platform::headless::beeps();
  VXselectwindow("message");
  key('a');
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 1);
  EXPECT_EQ(state.typed, "");

  VXselectwindow("io");
  type("a-b.c,d");
  EXPECT_EQ(state.typed, "a-b.cd");
  EXPECT_EQ(enabled(FUNCSMENU, 1), 1);
  type("\b\b\b\b\b");
  EXPECT_EQ(state.typed, "a");
  key('\b');
  EXPECT_EQ(enabled(FUNCSMENU, 1), 0);
  key('\b');  // on an empty line: nothing
  EXPECT_EQ(state.typed, "");
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 1);

  type("hi there");
  click(150, 200);
  EXPECT_EQ(objectcount(), 1u);
  choose(375, 1, false);
  EXPECT_EQ(state.typed, "");
  EXPECT_EQ(enabled(FUNCSMENU, 1), 0);
  EXPECT_EQ(enabled(FUNCSMENU, 0), 1);

  // The cursor shows only where it fits.
  VXsetfont(VXFONTBOLD);
  EXPECT_EQ(zeftest::withcursor("ab", VXtextwidth("ab_")), "ab_");
  EXPECT_EQ(zeftest::withcursor("ab", VXtextwidth("ab_") - 1), "ab");
  EXPECT_EQ(zeftest::withcursor(std::string(80, 'i'), 10000), std::string(80, 'i'));
}

TEST_F(Demo, AFullLineBringsUpTheAlertWhichHoldsTypingUntilItIsDismissed) {
  move(200, 380);
  for (int i = 0; i < 100 && !state.typedtoofar; i++) key('W');
  ASSERT_TRUE(state.typedtoofar);
  std::string typed = state.typed;
  EXPECT_LT(typed.size(), zeftest::MAXTYPED);
  EXPECT_EQ(pixel(SWATCHX, SWATCHY), color("mgray"));

  int beeps = vx::platform::headless::beeps();
  key('a');
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 1);
  EXPECT_EQ(state.typed, typed);

  // A repaint keeps the alert up.
  expose();
  EXPECT_TRUE(state.typedtoofar);

  click(320, 255);  // OK
  EXPECT_FALSE(state.typedtoofar);
  EXPECT_EQ(pixel(SWATCHX, SWATCHY), color("red"));
  move(200, 380);
  key('\b');
  EXPECT_EQ(state.typed, typed.substr(0, typed.size() - 1));
}

TEST_F(Demo, SayItAgainGoesAwayAndItsGreetingComesBackWithEveryRepaint) {
  // The greeting's row, in the window's colour for green text.
  auto greens = [&] {
    int count = 0;
    for (int y = 214; y < 234; y++)
      for (int x = 440; x < 616; x++) count += pixel(x, y) == color("green") ? 1 : 0;
    return count;
  };
  EXPECT_EQ(greens(), 0);
  click(526, 258);
  int active = 0;
  VXgetbuttoninfo("io", "again", nullptr, nullptr, nullptr, nullptr, &active);
  EXPECT_EQ(active, -1);
  EXPECT_GT(greens(), 0);

  VXselectwindow("root");
  VXsetcolor(static_cast<unsigned char>(color("paper")));
  VXwfillrect(440, 214, 176, 20);
  EXPECT_EQ(greens(), 0);
  expose();
  EXPECT_GT(greens(), 0);
}

}  // namespace
