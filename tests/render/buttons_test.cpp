// Buttons and drag areas on the screen.
#include "render/buttons.h"

#include <string>
#include <tuple>

#include "render/fixture_colors.h"
#include "render/render_fixture.h"
#include "render/windows.h"

using namespace vxtest;

namespace {

// The builder labels a button with its name; the model owns its texts.
void relabel(vx::Button& b, const char* label) {
  delete[] b.label;
  b.label = vx::copytext(label);
}

class Buttons : public RenderTest {
 protected:
  // One full-screen window without a border holding one button at (10, 20).
  vx::Button& onebutton(int width, int height, const char* label = "") {
    builder.window("root", 0, 0, 640, 480).bgcolor = BG;
    vx::Button& b = builder.button("b", 10, 20, width, height);
    b.facecolor = FACE;
    b.activecolor = LABEL;
    b.inactivecolor = DIMLABEL;
    b.shaded = 1;
    relabel(b, label);
    return b;
  }
  void build() {
    builder.build();
    vx::setcurrentwindow(0);
    vx::modelstate.settings.framecolor = FRAME;
    vx::modelstate.settings.lightcolor = LIGHT;
    vx::modelstate.settings.darkcolor = DARK;
  }
  ModelBuilder builder;
};

// Checks the edges of the 40 x 20 button at (10, 20), raised or sunken.
void expectedges(bool sunken) {
  int top = sunken ? DARK : LIGHT, bottom = sunken ? LIGHT : DARK;
  for (int x = 10; x < 50; x++) {
    EXPECT_EQ(px(x, 20), FRAME) << x;
    if (x != 11) {
      EXPECT_EQ(px(x, 39), FRAME) << x;
    }
  }
  for (int x = 11; x <= 47; x++) EXPECT_EQ(px(x, 21), top) << x;
  for (int y = 21; y <= 37; y++) EXPECT_EQ(px(11, y), top) << y;
  for (int x = 12; x <= 47; x++) EXPECT_EQ(px(x, 38), bottom) << x;
  for (int y = 22; y <= 37; y++) EXPECT_EQ(px(48, y), bottom) << y;
  EXPECT_EQ(px(48, 21), sunken ? 1 : 3);
  EXPECT_EQ(px(11, 39), sunken ? 3 : 1);
  EXPECT_EQ(px(11, 38), FACE);  // the inner corner keeps the face
  EXPECT_EQ(px(48, 38), FACE);  // end points of the dark lines are not drawn
  EXPECT_EQ(px(30, 30), FACE);
  EXPECT_EQ(px(9, 20), 0);
  EXPECT_EQ(px(50, 39), 0);
}

TEST_F(Buttons, ShadedButtonHasRaisedEdgesAndFixedCorners) {
  onebutton(40, 20);
  build();
  vx::drawbutton(0, 0, false);
  expectedges(false);
}

TEST_F(Buttons, PressSinksTheEdgesAndRaiseBringsThemBack) {
  onebutton(40, 20);
  builder.window("other", 300, 300, 100, 100);
  build();
  vx::drawbutton(0, 0, false);
  vx::setcurrentwindow(1);
  vx::pressbutton(0, 0);
  expectedges(true);
  EXPECT_EQ(vx::currentwindowindex(), 1);
  vx::raisebutton(0, 0);
  expectedges(false);
  EXPECT_EQ(vx::currentwindowindex(), 1);
}

// The pen position and baseline at which `text` alone makes exactly the ink of colour c.
std::pair<int, int> penof(int c, const char* text, int font) {
  Pixels drawn = ink(c), alone = textpixels(c, font, {{100, 100, text}});
  int x = 100 + drawn.at(0).first - alone[0].first, y = 100 + drawn[0].second - alone[0].second;
  EXPECT_EQ(drawn, textpixels(c, font, {{x, y, text}}));
  return {x, y};
}

// A one-line label's box (its width by the ascent) is centred, the odd pixel (% keeps its sign)
// above and right of it, or is 5 from the left or 6 from the right; an arrow's box 4 after it.
TEST_F(Buttons, OneLineLabelIsCentredOrKeptFromTheSideItIsJustifiedTo) {
  onebutton(100, 20, "Hx");
  build();
  int a = ascentof(vx::FONT_BOLD), t = widthof("Hx", vx::FONT_BOLD);
  const std::tuple<int, int, int, int> cases[] = {{100, 20, 'C', 0},     {101, 19, 'C', 0},
                                                  {100, a + 11, 'L', 0}, {100, a + 10, 'R', 0},
                                                  {100, a - 3, 'C', 0},  {100, 20, 'C', '<'}};
  for (auto [width, height, justify, arrow] : cases) {
    SCOPED_TRACE(width * 1000000 + height * 1000 + justify);
    vx::Button& b = vx::model.Win[0].wb[0];
    std::tie(b.width, b.height, b.justify, b.arrow) = std::tie(width, height, justify, arrow);
    VXPfillrect(0, 0, 640, 480);  // in colour 0: drawing a button keeps the colour
    vx::drawbutton(0, 0, false);
    if (arrow) VXPfillrect(40, 0, 600, 480);  // leaves the text, left of the arrow
    auto [x, baseline] = penof(LABEL, "Hx", vx::FONT_BOLD);
    int above = baseline - a - 20, below = 20 + height - baseline;
    EXPECT_EQ(above - below, (height - a) % 2) << above;
    int room = arrow ? 4 + width - 8 : 0, left = x - 10, right = 10 + width - x - t - room;
    switch (justify) {
      case 'L': EXPECT_EQ(left, 5); break;
      case 'R': EXPECT_EQ(right, 6); break;
      default: EXPECT_EQ(right - left, (width - t - room) % 2) << left;
    }
  }
}

TEST_F(Buttons, InactiveLabelTakesTheOtherColourInTheButtonsFont) {
  vx::Button& b = onebutton(100, 30, "Hx");
  b.active = vx::BUTTON_INACTIVE;
  b.font = vx::FONT_NORMAL;
  build();
  vx::drawbutton(0, 0, false);
  EXPECT_TRUE(ink(LABEL).empty());
  penof(DIMLABEL, "Hx", vx::FONT_NORMAL);
}

TEST_F(Buttons, TwoLineLabelIsCentredLineByLineWithoutArrow) {
  vx::Button& b = onebutton(200, 40, "AB@CDEFGH");
  b.arrow = '>';
  build();
  vx::drawbutton(0, 0, false);
  int a = ascentof(vx::FONT_BOLD);
  int first = 20 + a + (40 - 2 * a - 2) / 2;
  // The arrow's room still counts in the placement, but no arrow is drawn.
  int room = 200 - 8 + 4;
  EXPECT_EQ(ink(LABEL),
            textpixels(LABEL, vx::FONT_BOLD,
                       {{10 + (200 - widthof("AB", 15) - room) / 2, first, "AB"},
                        {10 + (200 - widthof("CDEFGH", 15) - room) / 2, first + a, "CDEFGH"}}));
}

TEST_F(Buttons, FirstLineLongerThanItsBufferIsCut) {
  std::string longline(120, 'i');
  onebutton(630, 40, (longline + "@j").c_str()).justify = 'L';
  build();
  vx::drawbutton(0, 0, false);
  int a = ascentof(vx::FONT_BOLD);
  int first = 20 + a + (40 - 2 * a - 2) / 2;
  EXPECT_EQ(ink(LABEL), textpixels(LABEL, vx::FONT_BOLD,
                                   {{15, first, longline.substr(0, 83)}, {15, first + a, "j"}}));
}

TEST_F(Buttons, DoubleAtDrawsNoTextArrowOrCrossOut) {
  vx::Button& b = onebutton(40, 20, "@@");
  b.arrow = '^';
  b.active = vx::BUTTON_INACTIVE;
  build();
  vx::modelstate.settings.crossout = 1;
  vx::drawbutton(0, 0, false);
  EXPECT_EQ(count(FACE, 12, 22, 36, 16), 36 * 16);
  EXPECT_TRUE(ink(DIMLABEL).empty());
}

TEST_F(Buttons, DragAreaIsAPlainRectangle) {
  vx::Button& b = onebutton(40, 20, "Hx");
  b.dragarea = 1;
  b.shaded = 0;
  build();
  vx::modelstate.settings.crossout = 1;
  b.active = vx::BUTTON_INACTIVE;
  vx::drawbutton(0, 0, false);
  EXPECT_EQ(count(FACE, 10, 20, 40, 20), 40 * 20);
  EXPECT_EQ(count(FACE, 0, 0, 640, 480), 40 * 20);
}

// The stroke goes from the bottom-left corner up to, not including, the top-right one.
TEST_F(Buttons, CrossOutOnlyOnInactiveShadedButtons) {
  struct Case {
    int active;
    int crossout;
    int shaded;
    bool stroke;
  } cases[] = {
      {vx::BUTTON_INACTIVE, 1, 1, true},  {vx::BUTTON_SUSPENDED, 1, 1, false},
      {vx::BUTTON_ACTIVE, 1, 1, false},   {vx::BUTTON_INACTIVE, 0, 1, false},
      {vx::BUTTON_INACTIVE, 1, 0, false},
  };
  onebutton(20, 20);
  build();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.active * 100 + c.crossout * 10 + c.shaded);
    vx::Button& b = vx::model.Win[0].wb[0];
    b.active = c.active;
    b.shaded = c.shaded;
    vx::modelstate.settings.crossout = c.crossout;
    vx::drawbutton(0, 0, false);
    // Away from the corners the diagonal crosses the face only.
    for (int i = 3; i <= 16; i++) EXPECT_EQ(px(10 + i, 39 - i) == FRAME, c.stroke) << i;
    if (c.stroke) {
      EXPECT_EQ(px(10, 39), FRAME);
      EXPECT_EQ(px(11, 38), FRAME);
    }
  }
}

TEST_F(Buttons, LabelOnlyRedrawLeavesTheFaceAndEdges) {
  onebutton(60, 20, "Hx");
  build();
  vx::drawbutton(0, 0, false);
  VXPsetcolor(77);
  VXPsetpixel(12, 22);
  vx::model.Win[0].wb[0].active = vx::BUTTON_SUSPENDED;
  vx::drawbutton(0, 0, true);
  EXPECT_EQ(px(12, 22), 77);
  EXPECT_TRUE(ink(LABEL).empty());
  EXPECT_FALSE(ink(DIMLABEL).empty());
}

// "<" points right and ">" left; "^" up and "v" down.
TEST_F(Buttons, ArrowsFillTheirSquareWithTheApexWhereTheKindSays) {
  struct Case {
    int arrow;
    int inkx, inky;      // near the base
    int blankx, blanky;  // beside the apex
  } cases[] = {
      {'<', 16, 16, 52, 16},
      {'>', 52, 16, 16, 16},
      {'^', 16, 52, 16, 16},
      {'v', 16, 16, 16, 52},
  };
  // A 48 x 48 button with an empty label: the square is 40 x 40 at (14, 14).
  builder.window("root", 0, 0, 640, 480).bgcolor = BG;
  vx::Button& b = builder.button("b", 10, 10, 48, 48);
  b.facecolor = FACE;
  b.activecolor = LABEL;
  relabel(b, "");
  build();
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.arrow));
    vx::model.Win[0].wb[0].arrow = c.arrow;
    vx::drawbutton(0, 0, false);
    EXPECT_EQ(px(34, 34), LABEL);
    EXPECT_EQ(px(c.inkx, c.inky), LABEL);
    EXPECT_EQ(px(c.blankx, c.blanky), FACE);
    EXPECT_EQ(px(12, 12), FACE);
  }
}

TEST_F(Buttons, EraseUsesTheWindowBackground) {
  onebutton(40, 20, "Hx");
  build();
  vx::drawbutton(0, 0, false);
  vx::erasebutton(0, 0);
  EXPECT_EQ(count(BG, 10, 20, 40, 20), 40 * 20);
  EXPECT_EQ(VXPgetcolor(), BG);
}

TEST_F(Buttons, DrawingRestoresColourFontAndLineWidth) {
  vx::Button& b = onebutton(60, 30, "A@B");
  b.font = vx::FONT_NORMAL;
  b.active = vx::BUTTON_INACTIVE;
  build();
  vx::modelstate.settings.crossout = 1;
  VXPsetcolor(77);
  VXPsetfont(vx::FONT_BOLD);
  VXPsetlinewidth(3);
  vx::drawbutton(0, 0, false);
  vx::pressbutton(0, 0);
  vx::raisebutton(0, 0);
  vx::drawbutton(0, 0, true);
  EXPECT_EQ(VXPgetcolor(), 77);
  EXPECT_EQ(VXPgetfont(), vx::FONT_BOLD);
  EXPECT_EQ(VXPgetlinewidth(), 3);
}

}  // namespace
