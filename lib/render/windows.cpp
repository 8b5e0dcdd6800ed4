// The current window, window backgrounds and borders.
#include "render/windows.h"

#include "render/buttons.h"
#include "render/platform/platform.h"

namespace vx {

namespace {

int current = 0;

void clipinterior(const Window& win) {
  int b = win.borderwidth;
  VXPsetclip(win.left + b, win.top + b, win.width - 2 * b, win.height - 2 * b);
}

}  // namespace

int currentwindowindex() { return current; }

void setcurrentwindow(int w) {
  if (w < 0 || w >= model.nwindows) return;
  current = w;
  clipinterior(model.Win[w]);
}

void resetcurrentwindow() { current = 0; }

void drawwindow(int w) {
  Color color = VXPgetcolor();
  setcurrentwindow(w);
  const Window& win = model.Win[w];
  // The clip keeps the fill inside the border.
  VXPsetcolor(win.bgcolor);
  VXPfillrect(win.left, win.top, win.width, win.height);
  drawborder(w, win.bordercolor);
  for (int b = 0; b < win.nbuttons; b++)
    if (win.wb[b].active != BUTTON_HIDDEN) drawbutton(w, b, false);
  for (int g = 0; g < win.ngraphics; g++) drawgraphic(win.graphics[g]);
  VXPsetcolor(color);
}

void drawborder(int w, Color c) {
  int linewidth = VXPgetlinewidth();
  Color color = VXPgetcolor();
  VXPsetlinewidth(1);
  setcurrentwindow(w);
  VXPsetcolor(c);
  const Window& win = model.Win[w];
  VXPsetclip(win.left, win.top, win.width, win.height);
  for (int i = 0; i < win.borderwidth; i++)
    VXPrect(win.left + i, win.top + i, win.width - 2 * i, win.height - 2 * i);
  clipinterior(win);
  VXPsetcolor(color);
  VXPsetlinewidth(linewidth);
}

}  // namespace vx
