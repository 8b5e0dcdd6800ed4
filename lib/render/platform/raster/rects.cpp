// Rectangle outlines and filled rectangles.
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace {

using vx::platform::Box;

// Draws the outline of left, top, width, height in the pen (the pen straddles it when
// wide) and, when asked, the interior in the brush. The parts never overlap, so each
// pixel is painted once, as exclusive-or needs.
void drawrect(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height, bool fill) {
  using namespace vx::platform;
  if (width <= 0 || height <= 0) return;
  std::int64_t r = penreach();
  Box shape = boxof(left, top, width, height);
  Box outer{shape.left - r, shape.top - r, shape.right + r, shape.bottom + r};
  Box inner{shape.left + r + 1, shape.top + r + 1, shape.right - r - 1, shape.bottom - r - 1};
  std::uint32_t pen = pencolor();
  bool usexor = raster.drawstate.xormode;
  if (fill && !usexor && brushcolor() == pen) {
    // Outline and interior in one colour make one box, filled in whole rows.
    paintbox(outer, pen, false);
    return;
  }
  if (isempty(inner)) {
    paintbox(outer, pen, usexor);
    return;
  }
  paintbox({outer.left, outer.top, outer.right, inner.top}, pen, usexor);
  paintbox({outer.left, inner.bottom, outer.right, outer.bottom}, pen, usexor);
  paintbox({outer.left, inner.top, inner.left, inner.bottom}, pen, usexor);
  paintbox({inner.right, inner.top, outer.right, inner.bottom}, pen, usexor);
  if (fill) paintbox(inner, brushcolor(), usexor);
}

}  // namespace

void VXPrect(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  vx::platform::Beneath beneath;
  drawrect(left, top, width, height, false);
}

void VXPfillrect(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  vx::platform::Beneath beneath;
  drawrect(left, top, width, height, true);
}
