// Whole rows of pixels, read and written as palette indexes.
#include <algorithm>

#include "render/platform/platform.h"
#include "render/platform/raster.h"
#include "render/platform/rasterstate.h"

std::uint8_t* VXPgetrow(int y, std::uint8_t* buffer) {
  if (buffer == nullptr) return buffer;
  if (y < 0 || y >= VXPHEIGHT) {
    std::fill(buffer, buffer + VXPWIDTH, std::uint8_t{0});
    return buffer;
  }
  const std::uint32_t* row = vx::platform::framebuffer + y * VXPWIDTH;
  // Neighbouring pixels mostly share a colour; match each run once.
  std::uint32_t last = row[0];
  std::uint8_t index = vx::platform::nearestindex(last);
  for (int x = 0; x < VXPWIDTH; ++x) {
    if (row[x] != last) {
      last = row[x];
      index = vx::platform::nearestindex(last);
    }
    buffer[x] = index;
  }
  return buffer;
}

// A block copy: no exclusive-or, but the clip applies. Whatever part of the count lies
// off the framebuffer is not drawn, however long the row.
void VXPputrow(VXPcoord x, VXPcoord y, const std::uint8_t* indexes, int count) {
  using namespace vx::platform;
  if (indexes == nullptr || count <= 0) return;
  Box part = intersect(boxof(x, y, count, 1), drawablebox());
  if (isempty(part)) return;
  std::uint32_t* row = framebuffer + part.top * VXPWIDTH;
  for (std::int64_t column = part.left; column < part.right; ++column) {
    row[column] = devicecolor(indexes[column - x]);
  }
  framechanged = true;
}
