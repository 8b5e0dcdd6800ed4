// Clipped painting of boxes and of figure coverages on the framebuffer.
#include <algorithm>
#include <new>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

Box intersect(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool isempty(const Box& box) { return box.left >= box.right || box.top >= box.bottom; }

Box boxof(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
  left = bounded(left);
  top = bounded(top);
  width = bounded(width);
  height = bounded(height);
  if (width <= 0 || height <= 0) return {left, top, left, top};
  return {left, top, left + width, top + height};
}

Box drawablebox() {
  Box screen{0, 0, VXPWIDTH, VXPHEIGHT};
  return raster.drawstate.clipped ? intersect(screen, raster.drawstate.clip) : screen;
}

void paintbox(const Box& box, std::uint32_t color, bool usexor) {
  Box part = intersect(box, drawablebox());
  if (isempty(part)) return;
  auto width = static_cast<std::size_t>(part.right - part.left);
  auto rows = static_cast<std::size_t>(part.bottom - part.top);
  std::uint32_t* row = framebuffer + part.top * VXPWIDTH + part.left;
  if (width == VXPWIDTH && !usexor) {
    // Whole rows lie end to end: one run.
    fillpixels(row, width * rows, color);
  } else {
    for (std::size_t y = 0; y < rows; ++y, row += VXPWIDTH) {
      if (usexor) {
        xorpixels(row, width, color);
      } else {
        fillpixels(row, width, color);
      }
    }
  }
  framechanged = true;
}

Coverage startcoverage(const Box& bounds) {
  Coverage coverage{intersect(bounds, drawablebox()), {}};
  if (isempty(coverage.box)) return coverage;
  // At most the framebuffer's size, so this cannot fail for want of address space.
  coverage.cells.assign(static_cast<std::size_t>((coverage.box.right - coverage.box.left) *
                                                 (coverage.box.bottom - coverage.box.top)),
                        0);
  return coverage;
}

void cover(Coverage& coverage, const Box& box, std::uint8_t cell) {
  Box part = intersect(box, coverage.box);
  if (isempty(part) || coverage.cells.empty()) return;
  std::int64_t stride = coverage.box.right - coverage.box.left;
  for (std::int64_t y = part.top; y < part.bottom; ++y) {
    std::uint8_t* row = coverage.cells.data() + (y - coverage.box.top) * stride;
    for (std::int64_t x = part.left; x < part.right; ++x) {
      std::uint8_t& c = row[x - coverage.box.left];
      c = std::max(c, cell);
    }
  }
}

void paintcoverage(const Coverage& coverage) {
  if (coverage.cells.empty()) return;
  const Box& box = coverage.box;
  const std::uint8_t* cell = coverage.cells.data();
  std::uint32_t pen = pencolor();
  std::uint32_t brush = brushcolor();
  for (std::int64_t y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = framebuffer + y * VXPWIDTH;
    for (std::int64_t x = box.left; x < box.right; ++x, ++cell) {
      if (*cell == 0) continue;
      std::uint32_t color = *cell == PENCELL ? pen : brush;
      row[x] = raster.drawstate.xormode ? row[x] ^ color : color;
    }
  }
  framechanged = true;
}

}  // namespace vx::platform
