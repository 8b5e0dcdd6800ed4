// The sunken and raised looks of a button under the mouse.
#include "model/model.h"
#include "render/buttons.h"
#include "render/drawstate.h"
#include "render/edges.h"
#include "render/platform/platform.h"
#include "render/windows.h"

namespace vx {

namespace {

void reshade(int w, int b, bool sunken) {
  KeepCurrentWindow keptwindow;
  KeepDrawState kept;
  setcurrentwindow(w);
  VXPsetlinewidth(1);
  const Window& win = model.Win[w];
  const Button& btn = win.wb[b];
  if (btn.shaded)
    drawedges(VXPcoord{win.left} + btn.left, VXPcoord{win.top} + btn.top, btn.width, btn.height,
              sunken);
}

}  // namespace

void pressbutton(int w, int b) { reshade(w, b, true); }
void raisebutton(int w, int b) { reshade(w, b, false); }

}  // namespace vx
