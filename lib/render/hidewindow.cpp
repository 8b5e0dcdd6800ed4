// Taking a window off the screen.
#include "model/model.h"
#include "render/buttons.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "render/stores.h"
#include "render/windows.h"

namespace vx {

void hidewindow(int w) {
  setcurrentwindow(0);
  Window& win = model.Win[w];
  if (win.active == 0) return;
  // The flags are spent once the window is off the screen: a window made active
  // again without being shown must not restore or lower the level a second time.
  if (win.saved == 1) {
    win.saved = 0;
    setstoreoccupied(win.bstore, false);
    if (win.bstore >= 1 && win.bstore <= NSTORES) VXPrestorestore(win.bstore, win.left, win.top);
  }
  if (win.modal) {
    win.modal = 0;
    render.shownlevel--;
    for (int i = 0; i < model.nwindows; i++)
      if (model.Win[i].active == render.shownlevel) resumebuttons(i);
  }
  win.active = 0;
}

}  // namespace vx
