// Which buttons, drag areas and popup rows lie under the pointer.
#include <algorithm>
#include <climits>

#include "events/mouse.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"

namespace vx {

namespace {

bool exists(int w, int b) {
  return w >= 0 && w < model.nwindows && b >= 0 && b < model.Win[w].nbuttons;
}

}  // namespace

namespace {

// The point relative to the window's corner against the button's rectangle there, in
// 64 bits: strictly inside, the border pixels out.
bool holds(const Button& btn, VXPcoord x, VXPcoord y) {
  return btn.left < x && x < VXPcoord{btn.left} + btn.width && btn.top < y &&
         y < VXPcoord{btn.top} + btn.height;
}

}  // namespace

bool insidebutton(int x, int y, int w, int b) {
  if (!exists(w, b)) return false;
  const Window& win = model.Win[w];
  return holds(win.wb[b], VXPcoord{x} - win.left, VXPcoord{y} - win.top);
}

// Runs after every pointer move over every button of the shown level: one subtraction
// per window and four comparisons per button.
bool nextbuttonat(int x, int y, int* w, int* b) {
  for (; *w < model.nwindows; ++*w, *b = 0) {
    const Window& win = model.Win[*w];
    if (win.active != render.shownlevel) continue;
    VXPcoord rx = VXPcoord{x} - win.left, ry = VXPcoord{y} - win.top;
    for (; *b < win.nbuttons; ++*b)
      if (holds(win.wb[*b], rx, ry)) return true;
  }
  return false;
}

int popuphit(int x, int y) {
  if (render.openedpopup < 0) return -1;
  const Popup& popup = model.Popups[render.openedpopup];
  VXPcoord left = popup.left, top = popup.top;
  if (left <= x && x <= left + popup.width && top <= y && y <= top + popup.height)
    return popupitemat(y, render.openedpopup);
  return -1;
}

int relativex(int x, int w, int b) {
  VXPcoord origin = VXPcoord{model.Win[w].left} + model.Win[w].wb[b].left;
  return static_cast<int>(std::clamp<VXPcoord>(x - origin, INT_MIN, INT_MAX));
}

int relativey(int y, int w, int b) {
  VXPcoord origin = VXPcoord{model.Win[w].top} + model.Win[w].wb[b].top;
  return static_cast<int>(std::clamp<VXPcoord>(y - origin, INT_MIN, INT_MAX));
}

}  // namespace vx
