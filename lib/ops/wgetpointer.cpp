// The pointer position relative to the current window.
#include <algorithm>
#include <climits>

#include "events/state.h"
#include "model/model.h"
#include "render/windows.h"
#include "vx.h"

extern "C" int VXwgetpointer(int* x, int* y) {
  const vx::Window* win = vx::currentwindowrecord();
  int left = win != nullptr ? win->left : 0, top = win != nullptr ? win->top : 0;
  // Relative to the window's outer corner, not its interior.
  // Differences of two ints, handed back as the nearest int.
  auto difference = [](long long a, long long b) {
    return static_cast<int>(std::clamp<long long>(a - b, INT_MIN, INT_MAX));
  };
  int wx = difference(vx::events.pointerx, left), wy = difference(vx::events.pointery, top);
  if (x != nullptr) *x = wx;
  if (y != nullptr) *y = wy;
  return wy;
}
