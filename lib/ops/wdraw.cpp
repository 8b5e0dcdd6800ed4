// Drawing in the current window's coordinates: each operation adds the window's left
// and top (in 64 bits, so no sum overflows) and draws clipped to its interior.
#include <algorithm>
#include <climits>
#include <new>
#include <vector>

#include "core/log.h"
#include "model/model.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

namespace {

struct Origin {
  VXPcoord left = 0;
  VXPcoord top = 0;
};

Origin origin() {
  const vx::Window* win = vx::currentwindowrecord();
  if (win == nullptr) return {};
  return {win->left, win->top};
}

// Rows come from a buffer of the screen's width.
constexpr int MAXROW = VXPWIDTH;

}  // namespace

void VXwdrawrow(int x, int y, const unsigned char* indexes, int count) {
  Origin o = origin();
  VXPputrow(o.left + x, o.top + y, indexes, std::min(count, MAXROW));
}

void VXwpoint(int x, int y) {
  Origin o = origin();
  VXPsetpixel(o.left + x, o.top + y);
}

unsigned char VXwgetpixel(int x, int y) {
  Origin o = origin();
  return VXPgetpixel(o.left + x, o.top + y);
}

void VXwline(int x1, int y1, int x2, int y2) {
  Origin o = origin();
  VXPline(o.left + x1, o.top + y1, o.left + x2, o.top + y2);
}

void VXwfillpoly(int count, int32_t* points) {
  if (count <= 0 || points == nullptr) return;
  Origin o = origin();
  std::vector<VXPcoord> moved;
  try {
    moved.resize(2 * static_cast<std::size_t>(count));
  } catch (const std::exception&) {
    vx::fatal("Couldn't allocate point array in VXPfillpoly.\n");
  }
  // The caller's points are moved in place, as they always were; a point pushed past
  // what 32 bits hold keeps the nearest value there and is drawn where it belongs.
  for (std::size_t i = 0; i < moved.size(); i++) {
    moved[i] = points[i] + (i % 2 == 0 ? o.left : o.top);
    points[i] = static_cast<int32_t>(std::clamp<VXPcoord>(moved[i], INT32_MIN, INT32_MAX));
  }
  VXPfillpoly(count, moved.data());
}

void VXwrect(int x, int y, int width, int height) {
  if (width == 0 && height == 0) return;
  Origin o = origin();
  VXPrect(o.left + x, o.top + y, width, height);
}

void VXwfillrect(int x, int y, int width, int height) {
  if (width == 0 || height == 0) return;
  Origin o = origin();
  VXPfillrect(o.left + x, o.top + y, width, height);
}

void VXwellipse(int x, int y, int width, int height) {
  if (width == 0 && height == 0) return;
  Origin o = origin();
  VXPellipse(o.left + x, o.top + y, width, height);
}

void VXwfillellipse(int x, int y, int width, int height) {
  if (width == 0 || height == 0) return;
  Origin o = origin();
  VXPfillellipse(o.left + x, o.top + y, width, height);
}

void VXwclearrect(int x, int y, int width, int height) {
  vx::KeepDrawState kept;
  if (const vx::Window* win = vx::currentwindowrecord()) VXPsetcolor(win->bgcolor);
  Origin o = origin();
  // The inside only: the one-pixel outline stays.
  VXPfillrect(o.left + x + 1, o.top + y + 1, VXPcoord{width} - 2, VXPcoord{height} - 2);
}

void VXwsetpointer(int x, int y) {
  Origin o = origin();
  VXPsetpointer(static_cast<int>(std::clamp<VXPcoord>(o.left + x, INT_MIN, INT_MAX)),
                static_cast<int>(std::clamp<VXPcoord>(o.top + y, INT_MIN, INT_MAX)));
}

namespace {

// A figure drawn with exclusive-or in white: drawn twice, it is gone again.
template <class Draw>
void xorfigure(Draw draw) {
  vx::KeepDrawState kept;
  VXPsetxor(1);
  VXPsetcolor(VXgetcolor("white"));
  draw();
  VXPsetxor(0);
}

}  // namespace

void VXwxorline(int x1, int y1, int x2, int y2) {
  xorfigure([&] { VXwline(x1, y1, x2, y2); });
}

void VXwxorrect(int x, int y, int width, int height) {
  xorfigure([&] { VXwrect(x, y, width, height); });
}
