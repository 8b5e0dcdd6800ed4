// The pointer position relative to the current window.
#include "events/pointer.h"
#include "model/model.h"
#include "render/windows.h"
#include "vx.h"

extern "C" int VXwgetpointer(int* x, int* y) {
  int left = 0, top = 0;
  if (vx::model.nwindows > 0) {
    const vx::Window& win = vx::model.Win[vx::currentwindowindex()];
    left = win.left;
    top = win.top;
  }
  // Relative to the window's outer corner, not its interior.
  int wx = vx::pointerx - left, wy = vx::pointery - top;
  if (x != nullptr) *x = wx;
  if (y != nullptr) *y = wy;
  return wy;
}
