// Whole rows of pixels, read and written as palette indexes.
#include <algorithm>
#include <cstring>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

std::uint8_t* VXPgetrow(int y, std::uint8_t* buffer) {
  if (buffer == nullptr) return buffer;
  if (y < 0 || y >= VXPHEIGHT) {
    std::fill(buffer, buffer + VXPWIDTH, std::uint8_t{0});
    return buffer;
  }
  const std::uint32_t* row = vx::platform::framebuffer + std::ptrdiff_t{y} * VXPWIDTH;
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
  vx::platform::Beneath beneath;
  using namespace vx::platform;
  if (indexes == nullptr || count <= 0) return;
  Box part = intersect(boxof(x, y, count, 1), drawablebox());
  if (isempty(part)) return;
  std::uint32_t* to = framebuffer + part.top * VXPWIDTH + part.left;
  const std::uint8_t* from = indexes + (part.left - x);
  auto n = static_cast<std::size_t>(part.right - part.left);
  // Pictures come in long runs of one index: each run is found eight indexes at a time
  // and filled at once.
  for (std::size_t i = 0; i < n;) {
    std::uint8_t index = from[i];
    if (i + 1 == n || from[i + 1] != index) {
      to[i++] = devicecolor(index);
      continue;
    }
    std::size_t end = i + 2;
    std::uint64_t same = 0x0101010101010101ULL * index;
    while (end + 8 <= n) {
      std::uint64_t eight;
      std::memcpy(&eight, from + end, 8);
      if (eight != same) break;
      end += 8;
    }
    while (end < n && from[end] == index) end++;
    fillpixels(to + i, end - i, devicecolor(index));
    i = end;
  }
  framechanged = true;
}
