// What window, button, dragarea, label, rect and line statements put into the model.
#include <string>

#include "model/labelescapes.h"
#include "model/model.h"
#include "support/load_fixture.h"

using vx::model;
using vxtest::banner;
using vxtest::readfile;
using vxtest::row;

namespace {

class LoadWindows : public vxtest::LoadTest {};

constexpr const char* MAIN = "window(main, 10 20 300 200, black white lgray, 2, 1, 3)\n";

TEST_F(LoadWindows, AWindowTakesItsValuesInOrder) {
  load(std::string(MAIN) + "Window(second 0 0 50 40 peach lblue dgray 0 0 0)\n");
  ASSERT_EQ(model.nwindows, 2);
  const vx::Window& w = model.Win[0];
  EXPECT_STREQ(w.name, "main");
  EXPECT_EQ(w.left, 10);
  EXPECT_EQ(w.top, 20);
  EXPECT_EQ(w.width, 300);
  EXPECT_EQ(w.height, 200);
  EXPECT_EQ(w.fgcolor, 0);
  EXPECT_EQ(w.bgcolor, 1);
  EXPECT_EQ(w.bordercolor, 4);
  EXPECT_EQ(w.borderwidth, 2);
  EXPECT_EQ(w.active, 1);
  EXPECT_EQ(w.bstore, 3);
  EXPECT_EQ(w.saved, 0);
  EXPECT_EQ(w.modal, 0);
  EXPECT_EQ(w.nbuttons, 0);
  EXPECT_EQ(w.wb, nullptr);
  EXPECT_EQ(w.ngraphics, 0);
  EXPECT_EQ(model.Win[1].fgcolor, 7);
  EXPECT_EQ(model.npopups, 0);
  EXPECT_EQ(model.Popups, nullptr);
}

TEST_F(LoadWindows, ButtonsAndDragAreasShareTheTableInFileOrder) {
  load(std::string(MAIN) +
       "button(ok |OK| 5 6 40 20 black dgray lgray press 1 1 0 C)\n"
       "dragarea(canvas 50 60 100 80 white drag 1)\n"
       "buttons(small |Small| 7 8 30 15 white black peach press 0 0 1 Right)\n");
  const vx::Window& w = model.Win[0];
  ASSERT_EQ(w.nbuttons, 3);
  const vx::Button& ok = w.wb[0];
  EXPECT_STREQ(ok.name, "ok");
  EXPECT_STREQ(ok.label, "OK");
  EXPECT_EQ(ok.left, 5);
  EXPECT_EQ(ok.top, 6);
  EXPECT_EQ(ok.width, 40);
  EXPECT_EQ(ok.height, 20);
  EXPECT_EQ(ok.activecolor, 0);
  EXPECT_EQ(ok.inactivecolor, 2);
  EXPECT_EQ(ok.facecolor, 4);
  EXPECT_EQ(ok.callback, row("press"));
  EXPECT_EQ(ok.popup, -1);
  EXPECT_EQ(ok.shaded, 1);
  EXPECT_EQ(ok.active, 1);
  EXPECT_EQ(ok.repeat, 0);
  EXPECT_EQ(ok.justify, 'C');
  EXPECT_EQ(ok.font, vx::FONT_BOLD);
  EXPECT_EQ(ok.dragarea, 0);
  EXPECT_EQ(ok.arrow, 0);

  const vx::Button& canvas = w.wb[1];
  EXPECT_STREQ(canvas.name, "canvas");
  EXPECT_EQ(canvas.label, nullptr);
  EXPECT_EQ(canvas.dragarea, 1);
  EXPECT_EQ(canvas.facecolor, 1);
  EXPECT_EQ(canvas.callback, row("drag"));
  EXPECT_EQ(canvas.activecolor, 16);
  EXPECT_EQ(canvas.inactivecolor, 16);
  EXPECT_EQ(canvas.font, vx::FONT_BOLD);
  EXPECT_EQ(canvas.popup, -1);
  EXPECT_EQ(canvas.shaded, 0);
  EXPECT_EQ(canvas.repeat, 0);

  const vx::Button& small = w.wb[2];
  EXPECT_EQ(small.font, vx::FONT_NORMAL);
  EXPECT_EQ(small.justify, 'R');
  EXPECT_EQ(small.repeat, 1);
}

TEST_F(LoadWindows, AnAtFunctionOpensThePopupAndCallsTheRowOfTheSameName) {
  load(
      "popup(menu 0 0 black dgray white black 0)\n"
      "plabel(first 1 press |First|)\n" +
      std::string(MAIN) + "button(open |Open| 5 6 40 20 black dgray lgray @menu 1 1 0 C)\n");
  const vx::Button& open = model.Win[0].wb[0];
  EXPECT_EQ(open.popup, 0);
  EXPECT_EQ(open.callback, row("menu"));
}

TEST_F(LoadWindows, ArrowEscapesAndBackslashesInLabels) {
  struct Case {
    const char* written;
    const char* label;
    int arrow;
  };
  const Case cases[] = {
      {"\\vDown", "Down", 'v'},   {"a\\bc", "abc", 0}, {"a\\\\b", "a\\b", 0},
      {"\\v\\x", "\\x", 'v'},     {"end\\", "end", 0}, {"\\<a\\>", "a", '>'},
      {"\\^Up\\\\", "Up\\", '^'}, {"", "", 0},         {"\\", "", 0},
  };
  for (const Case& c : cases) {
    std::string label = c.written;
    int arrow = vx::removeescapes(label.data());
    EXPECT_EQ(std::string(label.c_str()), c.label) << c.written;
    EXPECT_EQ(arrow, c.arrow) << c.written;
  }
  load(std::string(MAIN) + "button(down |\\vDown| 5 6 40 20 black dgray lgray press 1 1 1 L)\n");
  EXPECT_STREQ(model.Win[0].wb[0].label, "Down");
  EXPECT_EQ(model.Win[0].wb[0].arrow, 'v');
}

TEST_F(LoadWindows, AnUnknownJustificationIsWarnedAndCentred) {
  load(std::string(MAIN) + "button(odd |Odd| 5 6 40 20 black dgray lgray press 1 1 0 left)\n");
  EXPECT_EQ(model.Win[0].wb[0].justify, 'C');
  EXPECT_EQ(readfile("error.log"),
            banner() +
                "Button |odd|: justification |left| is not C, L or R; the label is "
                "centred.\n");
}

TEST_F(LoadWindows, GraphicsKeepFileOrderWithTheirKindsAndStyles) {
  load(std::string(MAIN) +
       "label(10 20 black |Bold| white)\n"
       "labels(30 40 peach |Plain|)\n"
       "rect(1 2 3 4 dgray 1 FILL)\n"
       "rect(5 6 7 8 dgray 2 fill)\n"
       "rect(5 6 7 8 dgray 1 outline)\n"
       "line(0 0 100 0 1 black)\n"
       "line(0 5 100 5 2 white)\n");
  const vx::Window& w = model.Win[0];
  ASSERT_EQ(w.ngraphics, 7);
  const vx::Graphic* g = w.graphics;
  EXPECT_EQ(g[0].kind, vx::GRAPHIC_BOLDLABEL);
  EXPECT_STREQ(g[0].text, "Bold");
  EXPECT_EQ(g[0].x1, 10);
  EXPECT_EQ(g[0].y1, 20);
  EXPECT_EQ(g[0].color, 0);
  EXPECT_EQ(g[0].shadow, 1);
  EXPECT_EQ(g[1].kind, vx::GRAPHIC_LABEL);
  EXPECT_EQ(g[1].shadow, 255);
  EXPECT_EQ(g[1].color, 7);

  EXPECT_EQ(g[2].kind, vx::GRAPHIC_RECT);
  EXPECT_EQ(g[2].fill, 1);
  EXPECT_EQ(g[2].x1, 1);
  EXPECT_EQ(g[2].y1, 2);
  EXPECT_EQ(g[2].x2, 3);
  EXPECT_EQ(g[2].y2, 4);
  EXPECT_EQ(g[2].color, 2);
  EXPECT_EQ(g[3].kind, vx::GRAPHIC_DOUBLERECT);
  EXPECT_EQ(g[3].fill, 1);
  EXPECT_EQ(g[4].kind, vx::GRAPHIC_RECT);
  EXPECT_EQ(g[4].fill, 0);

  EXPECT_EQ(g[5].kind, vx::GRAPHIC_LINE);
  EXPECT_EQ(g[5].x2, 100);
  EXPECT_EQ(g[6].kind, vx::GRAPHIC_DOUBLELINE);
  EXPECT_EQ(g[6].y1, 5);
  EXPECT_EQ(g[6].color, 1);
}

TEST_F(LoadWindows, EachWindowGetsWhatFollowsIt) {
  load(std::string(MAIN) + "line(0 0 1 1 1 black)\n" +
       "window(two 0 0 10 10 black white black 0 0 0)\n"
       "button(b |B| 0 0 5 5 black black black press 0 1 0 C)\n"
       "label(1 1 black |x|)\n");
  EXPECT_EQ(model.Win[0].ngraphics, 1);
  EXPECT_EQ(model.Win[0].nbuttons, 0);
  EXPECT_EQ(model.Win[1].nbuttons, 1);
  EXPECT_EQ(model.Win[1].ngraphics, 1);
}

TEST_F(LoadWindows, LongNamesAndLabelsAreWarnedAndKeptWhole) {
  const std::string name32(32, 'w');
  const std::string label32(32, 'L');
  const std::string name31(31, 'n');
  load("window(" + name32 + " 0 0 10 10 black white black 0 0 0)\n" + "button(" + name32 + " |" +
       label32 + "| 0 0 5 5 black black black press 0 1 0 C)\n" + "dragarea(" + name31 +
       " 0 0 5 5 black drag 1)\n");
  EXPECT_EQ(model.Win[0].name, name32);
  EXPECT_EQ(model.Win[0].wb[0].label, label32);
  EXPECT_EQ(readfile("error.log"), banner() + "Name too long: |" + name32 + "|.\n" +
                                       "Name too long: |" + name32 + "|\n" + "Label too long: |" +
                                       label32 + "|\n");
}

}  // namespace
