// The current window, window backgrounds and borders.
#include "render/windows.h"

#include <algorithm>

#include "render/buttons.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/state.h"

namespace vx {

namespace {

void clipinterior(const Window& win) {
  VXPcoord b = win.borderwidth;
  VXPsetclip(win.left + b, win.top + b, win.width - 2 * b, win.height - 2 * b);
}

// The next outline of the border, counted from the outside, from `from` on that can
// reach the screen; `count` when none can. An outline is seen only where one of its four
// sides crosses the screen, and each side does for at most a screen's width or height
// of outlines, so a border of any width costs at most that many outlines.
VXPcoord nextseenoutline(const Window& win, VXPcoord from, VXPcoord count) {
  VXPcoord right = VXPcoord{win.left} + win.width, bottom = VXPcoord{win.top} + win.height;
  // The outlines whose left, right, top and bottom sides lie on the screen.
  const VXPcoord spans[4][2] = {{-VXPcoord{win.left}, VXPWIDTH - VXPcoord{win.left}},
                                {right - VXPWIDTH, right},
                                {-VXPcoord{win.top}, VXPHEIGHT - VXPcoord{win.top}},
                                {bottom - VXPHEIGHT, bottom}};
  VXPcoord next = count;
  for (const auto& span : spans) {
    if (span[1] <= from) continue;
    next = std::min(next, std::max(span[0], from));
  }
  return next;
}

}  // namespace

int currentwindowindex() { return render.currentwindow; }

const Window* currentwindowrecord() {
  return model.nwindows > 0 ? &model.Win[render.currentwindow] : nullptr;
}

void setcurrentwindow(int w) {
  if (w < 0 || w >= model.nwindows) return;
  render.currentwindow = w;
  clipinterior(model.Win[w]);
}

void drawwindow(int w) {
  KeepDrawState kept;
  setcurrentwindow(w);
  const Window& win = model.Win[w];
  // The clip keeps the fill inside the border.
  VXPsetcolor(win.bgcolor);
  VXPfillrect(win.left, win.top, win.width, win.height);
  drawborder(w, win.bordercolor);
  for (int b = 0; b < win.nbuttons; b++)
    if (win.wb[b].active != BUTTON_HIDDEN) drawbutton(w, b, false);
  for (int g = 0; g < win.ngraphics; g++) drawgraphic(win.graphics[g]);
}

void drawborder(int w, Color c) {
  KeepDrawState kept;
  VXPsetlinewidth(1);
  setcurrentwindow(w);
  VXPsetcolor(c);
  const Window& win = model.Win[w];
  VXPsetclip(win.left, win.top, win.width, win.height);
  // Outlines past the middle are empty.
  VXPcoord count =
      std::min<VXPcoord>(win.borderwidth, (std::min<VXPcoord>(win.width, win.height) + 1) / 2);
  for (VXPcoord i = nextseenoutline(win, 0, count); i < count;
       i = nextseenoutline(win, i + 1, count))
    VXPrect(win.left + i, win.top + i, win.width - 2 * i, win.height - 2 * i);
  clipinterior(win);
}

}  // namespace vx
