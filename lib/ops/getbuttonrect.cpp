// VXgetbuttonrect: where a button is and what state it is in.
#include <algorithm>
#include <climits>

#include "model/getname.h"
#include "model/model.h"
#include "vx.h"

extern "C" void VXgetbuttonrect(const char* window, const char* button, int* x, int* y, int* width,
                                int* height, int* state) {
  using vx::model;
  const vx::Window& win = model.Win[vx::getname(model.Win, model.nwindows, window, "window")];
  const vx::Button& b = win.wb[vx::getname(win.wb, win.nbuttons, button, "button")];
  // The sum of two ints, handed back as the nearest int.
  auto sum = [](long long a, long long b) {
    return static_cast<int>(std::clamp<long long>(a + b, INT_MIN, INT_MAX));
  };
  if (x != nullptr) *x = sum(win.left, b.left);
  if (y != nullptr) *y = sum(win.top, b.top);
  if (width != nullptr) *width = b.width;
  if (height != nullptr) *height = b.height;
  if (state != nullptr) *state = b.active;
}
