// Changing the state of buttons by name.
#include "render/buttons.h"

#include "ops/lookup.h"
#include "render/windows.h"
#include "vx.h"

using namespace vx;

namespace {

// Every button operation leaves the button's window current, drawn or not.
void setstate(const char* window, const char* button, int redraw, int active) {
  int w = findwindow(window);
  int b = findbuttonin(w, button);
  model.Win[w].wb[b].active = active;
  setcurrentwindow(w);
  if (redraw != 1) return;
  if (active == BUTTON_HIDDEN)
    erasebutton(w, b);
  else
    drawbutton(w, b, false);
}

}  // namespace

void VXenablebutton(const char* window, const char* button, int redraw) {
  setstate(window, button, redraw, BUTTON_ACTIVE);
}

void VXshowbutton(const char* window, const char* button, int redraw) {
  setstate(window, button, redraw, BUTTON_ACTIVE);
}

void VXdisablebutton(const char* window, const char* button, int redraw) {
  setstate(window, button, redraw, BUTTON_INACTIVE);
}

void VXhidebutton(const char* window, const char* button, int redraw) {
  setstate(window, button, redraw, BUTTON_HIDDEN);
}
