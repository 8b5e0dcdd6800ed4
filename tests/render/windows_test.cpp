// Windows, their graphics, frames and the suspension of buttons under modal windows.
#include "render/windows.h"

#include "events/state.h"
#include "render/buttons.h"
#include "render/fixture_colors.h"
#include "render/render_fixture.h"
#include "vx.h"

using namespace vxtest;

namespace {

class Windows : public RenderTest {
 protected:
  vx::Window& window(const char* name, int left, int top, int width, int height, int border) {
    vx::Window& w = builder.window(name, left, top, width, height);
    w.bgcolor = BG;
    w.bordercolor = BORDER;
    w.borderwidth = border;
    return w;
  }
  ModelBuilder builder;
};

TEST_F(Windows, BorderIsOneOutlinePerPixelOfWidth) {
  window("w", 100, 100, 50, 40, 2);
  builder.build();
  vx::drawwindow(0);
  EXPECT_EQ(count(BORDER, 100, 100, 50, 40), 50 * 40 - 46 * 36);
  EXPECT_EQ(count(BG, 102, 102, 46, 36), 46 * 36);
  EXPECT_EQ(count(0, 99, 99, 52, 42), 52 * 42 - 50 * 40);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  // The clip is the interior again.
  VXPsetcolor(INK);
  VXPfillrect(0, 0, 640, 480);
  EXPECT_EQ(count(INK, 0, 0, 640, 480), 46 * 36);
}

TEST_F(Windows, BorderOfWidthZeroLeavesTheWholeRectangleFilled) {
  window("w", 100, 100, 50, 40, 0);
  builder.build();
  vx::drawwindow(0);
  EXPECT_EQ(count(BG, 100, 100, 50, 40), 50 * 40);
  EXPECT_TRUE(ink(BORDER).empty());
}

TEST_F(Windows, HiddenButtonsAreSkippedAndButtonsAreClippedToTheInterior) {
  window("w", 100, 100, 100, 100, 4);
  builder.button("shown", 10, 10, 20, 20).facecolor = FACE;
  vx::Button& hidden = builder.button("hidden", 40, 10, 20, 20);
  hidden.facecolor = FRAME;
  hidden.active = vx::BUTTON_HIDDEN;
  builder.button("over", 90, 90, 30, 30).facecolor = LIGHT;
  builder.build();
  for (int b = 0; b < 3; b++) vx::model.Win[0].wb[b].label[0] = '\0';
  vx::drawwindow(0);
  EXPECT_EQ(count(FACE, 110, 110, 20, 20), 400);
  EXPECT_TRUE(ink(FRAME).empty());
  EXPECT_EQ(count(LIGHT, 0, 0, 640, 480), 6 * 6);  // 190 to 195 inside the border
}

TEST_F(Windows, LinesAndRectanglesOfEveryKind) {
  window("w", 100, 50, 300, 300, 0);
  auto add = [&](std::uint8_t kind, int x1, int y1, int x2, int y2, int fill) {
    vx::Graphic& g = builder.graphic(kind, x1, y1, x2, y2);
    g.color = INK;
    g.fill = static_cast<std::uint8_t>(fill);
  };
  add(vx::GRAPHIC_LINE, 10, 10, 20, 10, 0);        // row 60, columns 110 to 119
  add(vx::GRAPHIC_DOUBLELINE, 10, 20, 20, 20, 0);  // rows 70 and 71
  add(vx::GRAPHIC_DOUBLELINE, 50, 10, 50, 20, 0);  // columns 150 and 151
  add(vx::GRAPHIC_RECT, 10, 40, 5, 4, 0);
  add(vx::GRAPHIC_RECT, 30, 40, 5, 4, 1);
  add(vx::GRAPHIC_DOUBLERECT, 10, 60, 6, 6, 0);
  add(vx::GRAPHIC_DOUBLERECT, 30, 60, 6, 6, 1);
  add(5, 10, 100, 50, 50, 1);  // not a kind: nothing
  builder.build();
  vx::drawwindow(0);
  EXPECT_EQ(count(INK, 110, 60, 10, 1), 10);
  EXPECT_EQ(px(120, 60), BG);
  EXPECT_EQ(count(INK, 110, 70, 10, 2), 20);
  EXPECT_EQ(count(INK, 150, 60, 2, 10), 20);
  EXPECT_EQ(count(INK, 110, 90, 5, 4), 5 * 4 - 3 * 2);
  EXPECT_EQ(count(INK, 130, 90, 5, 4), 5 * 4);
  EXPECT_EQ(count(INK, 110, 110, 6, 6), 6 * 6 - 2 * 2);
  EXPECT_EQ(count(INK, 130, 110, 6, 6), 6 * 6);
  EXPECT_EQ(count(INK, 0, 0, 640, 480), 10 + 20 + 20 + 14 + 20 + 32 + 36);
}

TEST_F(Windows, LabelsWithAndWithoutShadow) {
  window("w", 100, 50, 300, 300, 0);
  vx::Graphic& bold = builder.graphic(vx::GRAPHIC_BOLDLABEL, 10, 30, 0, 0);
  bold.color = INK;
  bold.shadow = SHADOW;
  bold.text = vx::copytext("Hx");
  vx::Graphic& plain = builder.graphic(vx::GRAPHIC_LABEL, 10, 80, 0, 0);
  plain.color = LABEL;
  plain.text = vx::copytext("Hx");
  builder.build();
  vx::drawwindow(0);
  EXPECT_EQ(ink(INK), textpixels(INK, vx::FONT_BOLD, {{110, 80, "Hx"}}));
  // The shadow lies one pixel right and down, under the text.
  Pixels shadow = textpixels(SHADOW, vx::FONT_BOLD, {{111, 81, "Hx"}});
  Pixels text = textpixels(SHADOW, vx::FONT_BOLD, {{110, 80, "Hx"}});
  Pixels visible;
  for (auto p : shadow)
    if (std::find(text.begin(), text.end(), p) == text.end()) visible.push_back(p);
  EXPECT_EQ(ink(SHADOW), visible);
  EXPECT_EQ(ink(LABEL), textpixels(LABEL, vx::FONT_NORMAL, {{110, 130, "Hx"}}));
}

// Line end points are not drawn, so six corners keep what was there.
TEST_F(Windows, FrameIsTwoPixelsOutsideAndLeavesSixCorners) {
  window("w", 100, 100, 200, 200, 0);
  builder.build();
  vx::drawwindow(0);
  int x = 20, y = 30, w = 40, h = 20;
  vx::drawframe(x, y, w, h, LIGHT, DARK);
  int X = 100 + x, Y = 100 + y;
  EXPECT_EQ(count(LIGHT, X - 2, Y - 2, w + 4, 2), 2 * w + 5);
  for (auto [cx, cy] : {std::pair{X + w, Y + h},
                        {X + w + 1, Y + h + 1},
                        {X + w, Y - 1},
                        {X + w + 1, Y - 2},
                        {X - 1, Y + h},
                        {X - 2, Y + h + 1}})
    EXPECT_EQ(px(cx, cy), BG) << cx << "," << cy;
  EXPECT_EQ(px(X - 1, Y - 1), LIGHT);
  EXPECT_EQ(px(X - 2, Y + h), LIGHT);
  EXPECT_EQ(px(X + w - 1, Y - 2), LIGHT);
  EXPECT_EQ(px(X, Y + h), DARK);
  EXPECT_EQ(px(X + w + 1, Y + h), DARK);
  EXPECT_EQ(px(X + w, Y + h - 1), DARK);
  EXPECT_EQ(count(BG, X, Y, w, h), w * h);
  EXPECT_EQ(count(LIGHT, 0, 0, 640, 480) + count(DARK, 0, 0, 640, 480),
            (w + 4) * (h + 4) - w * h - 6);
}

TEST_F(Windows, DrawingRestoresColourFontAndLineWidth) {
  window("w", 100, 100, 200, 200, 3);
  builder.button("b", 10, 10, 50, 20).shaded = 1;
  vx::Graphic& g = builder.graphic(vx::GRAPHIC_LABEL, 10, 80, 0, 0);
  g.text = vx::copytext("x");
  g.shadow = SHADOW;
  builder.graphic(vx::GRAPHIC_DOUBLERECT, 10, 100, 30, 30);
  builder.build();
  VXPsetcolor(77);
  VXPsetfont(vx::FONT_BOLD);
  VXPsetlinewidth(3);
  vx::drawwindow(0);
  vx::drawborder(0, INK);
  vx::drawframe(5, 5, 10, 10, LIGHT, DARK);
  EXPECT_EQ(VXPgetcolor(), 77);
  EXPECT_EQ(VXPgetfont(), vx::FONT_BOLD);
  EXPECT_EQ(VXPgetlinewidth(), 3);
}

TEST_F(Windows, SuspendAndResumeChangeOnlyActiveButtonsAndTheirLabels) {
  window("root", 0, 0, 640, 480, 0);
  window("panel", 100, 100, 200, 100, 0);
  auto add = [&](const char* name, int left, int active, int dragarea) {
    vx::Button& b = builder.button(name, left, 10, 40, 20);
    b.active = active;
    b.dragarea = dragarea;
    b.activecolor = LABEL;
    b.inactivecolor = DIMLABEL;
    b.facecolor = FACE;
  };
  add("on", 10, vx::BUTTON_ACTIVE, 0);
  add("off", 60, vx::BUTTON_INACTIVE, 0);
  add("drag", 110, vx::BUTTON_ACTIVE, 1);
  builder.build();
  vx::drawwindow(1);
  vx::setcurrentwindow(0);
  vx::suspendbuttons(1);
  const vx::Button* wb = vx::model.Win[1].wb;
  EXPECT_EQ(wb[0].active, vx::BUTTON_SUSPENDED);
  EXPECT_EQ(wb[1].active, vx::BUTTON_INACTIVE);
  EXPECT_EQ(wb[2].active, vx::BUTTON_ACTIVE);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  EXPECT_TRUE(ink(LABEL).empty());
  EXPECT_GT(count(DIMLABEL, 110, 110, 40, 20), 0);
  vx::resumebuttons(1);
  EXPECT_EQ(wb[0].active, vx::BUTTON_ACTIVE);
  EXPECT_EQ(wb[1].active, vx::BUTTON_INACTIVE);
  EXPECT_EQ(count(DIMLABEL, 110, 110, 40, 20), 0);
  EXPECT_GT(count(LABEL, 110, 110, 40, 20), 0);
  EXPECT_EQ(vx::currentwindowindex(), 0);
}

TEST_F(Windows, PointerRelativeToTheCurrentWindowsOuterCorner) {
  window("root", 0, 0, 640, 480, 0);
  window("w", 100, 50, 200, 100, 5);
  builder.build();
  vx::setcurrentwindow(1);
  vx::events.pointerx = 130;
  vx::events.pointery = 70;
  int x = 0, y = 0;
  EXPECT_EQ(VXwgetpointer(&x, &y), 20);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 20);
  EXPECT_EQ(VXwgetpointer(nullptr, nullptr), 20);
}

TEST_F(Windows, AnIndexOutsideTheTableIsNotMadeCurrent) {
  window("root", 0, 0, 640, 480, 0);
  window("w", 100, 50, 200, 100, 5);
  builder.build();
  vx::setcurrentwindow(1);
  vx::setcurrentwindow(2);
  vx::setcurrentwindow(-1);
  EXPECT_EQ(vx::currentwindowindex(), 1);
}

}  // namespace
