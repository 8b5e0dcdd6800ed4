// The two-colour frame around fields and drag areas.
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"

namespace vx {

void drawframe(int left, int top, int width, int height, Color c1, Color c2) {
  const Window* win = currentwindowrecord();
  if (win == nullptr) return;
  KeepDrawState kept;
  VXPsetcolor(c1);
  VXPsetlinewidth(1);
  VXPcoord x = VXPcoord{win->left} + left, y = VXPcoord{win->top} + top;
  VXPcoord w = width, h = height;
  // Line end points are not drawn, so the corners where the colours meet stay as
  // they were.
  VXPline(x - 1, y - 1, x + w, y - 1);
  VXPline(x - 2, y - 2, x + w + 1, y - 2);
  VXPline(x - 1, y - 1, x - 1, y + h);
  VXPline(x - 2, y - 2, x - 2, y + h + 1);
  VXPsetcolor(c2);
  VXPline(x, y + h, x + w, y + h);
  VXPline(x - 1, y + h + 1, x + w + 1, y + h + 1);
  VXPline(x + w, y, x + w, y + h);
  VXPline(x + w + 1, y - 1, x + w + 1, y + h + 1);
}

}  // namespace vx
