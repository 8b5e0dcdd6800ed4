// Ellipses inscribed in a rectangle, outlined and filled.
#include <algorithm>
#include <cmath>

#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace {

using vx::platform::Box;

struct Span {
  std::int64_t first;
  std::int64_t last;  // first > last: empty
};

// The pixels of row y whose centres lie inside the ellipse inscribed in the box of
// left, top, width, height. Worked on offsets from the box so that the result is
// mirror-symmetric, column for column and row for row.
Span rowspan(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
             std::int64_t y) {
  if (y < top || y >= top + height) return {1, 0};
  double dy = static_cast<double>(2 * (y - top) + 1 - height) / static_cast<double>(height);
  double rest = 1.0 - dy * dy;
  if (rest < 0) return {1, 0};
  double reach = static_cast<double>(width) * std::sqrt(rest);
  double lowest = std::ceil((static_cast<double>(width) - 1.0 - reach) / 2.0);
  std::int64_t lo = std::max<std::int64_t>(0, static_cast<std::int64_t>(lowest));
  std::int64_t hi = width - 1 - lo;
  return {left + lo, left + hi};
}

bool isempty(const Span& span) { return span.first > span.last; }

void drawellipse(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height, bool fill) {
  using namespace vx::platform;
  left = bounded(left);
  top = bounded(top);
  width = bounded(width);
  height = bounded(height);
  if (width <= 0 || height <= 0) return;
  std::int64_t r = penreach();
  Box shape = boxof(left, top, width, height);
  Coverage coverage =
      startcoverage({shape.left - r, shape.top - r, shape.right + r, shape.bottom + r});
  if (coverage.cells.empty()) return;
  for (std::int64_t y = coverage.box.top - r; y < coverage.box.bottom + r; ++y) {
    Span span = rowspan(left, top, width, height, y);
    if (isempty(span)) continue;
    // A pixel is inside the outline when it and its four neighbours are in the ellipse.
    Span above = rowspan(left, top, width, height, y - 1);
    Span below = rowspan(left, top, width, height, y + 1);
    Span inside{1, 0};
    if (!isempty(above) && !isempty(below)) {
      inside = {std::max({span.first + 1, above.first, below.first}),
                std::min({span.last - 1, above.last, below.last})};
    }
    if (isempty(inside)) {
      cover(coverage, {span.first - r, y - r, span.last + 1 + r, y + 1 + r}, PENCELL);
      continue;
    }
    if (fill) cover(coverage, {inside.first, y, inside.last + 1, y + 1}, BRUSHCELL);
    cover(coverage, {span.first - r, y - r, inside.first + r, y + 1 + r}, PENCELL);
    cover(coverage, {inside.last + 1 - r, y - r, span.last + 1 + r, y + 1 + r}, PENCELL);
  }
  paintcoverage(coverage);
}

}  // namespace

void VXPellipse(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  vx::platform::Beneath beneath;
  drawellipse(left, top, width, height, false);
}

void VXPfillellipse(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  vx::platform::Beneath beneath;
  drawellipse(left, top, width, height, true);
}
