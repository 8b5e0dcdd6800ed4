// Buttons of the windows under a modal window.
#include "model/model.h"
#include "render/buttons.h"
#include "render/windows.h"

namespace vx {

namespace {

void change(int w, int from, int to) {
  int previous = currentwindowindex();
  setcurrentwindow(w);
  Window& win = model.Win[w];
  for (int b = 0; b < win.nbuttons; b++) {
    Button& btn = win.wb[b];
    if (btn.dragarea || btn.active != from) continue;
    btn.active = to;
    drawbutton(w, b, true);  // only the label colour changes
  }
  setcurrentwindow(previous);
}

}  // namespace

void suspendbuttons(int w) { change(w, BUTTON_ACTIVE, BUTTON_SUSPENDED); }
void resumebuttons(int w) { change(w, BUTTON_SUSPENDED, BUTTON_ACTIVE); }

}  // namespace vx
