// The device palette: the colours indexes are drawn in and matched back to.
#include <algorithm>

#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

std::uint8_t nearestindex(std::uint32_t pixel) {
  int red = static_cast<int>((pixel >> 16) & 0xFF);
  int green = static_cast<int>((pixel >> 8) & 0xFF);
  int blue = static_cast<int>(pixel & 0xFF);
  int best = 0;
  long bestdistance = -1;
  for (int i = 0; i < raster.paletteentries; ++i) {
    int dr = red - static_cast<int>((raster.devicecolors[i] >> 16) & 0xFF);
    int dg = green - static_cast<int>((raster.devicecolors[i] >> 8) & 0xFF);
    int db = blue - static_cast<int>(raster.devicecolors[i] & 0xFF);
    long distance =
        static_cast<long>(dr) * dr + static_cast<long>(dg) * dg + static_cast<long>(db) * db;
    if (bestdistance < 0 || distance < bestdistance) {
      best = i;
      bestdistance = distance;
      if (distance == 0) break;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace vx::platform

void VXPsetpalette(const std::uint8_t (*table)[3], int count) {
  std::uint32_t(&devicecolors)[256] = vx::platform::raster.devicecolors;
  count = std::clamp(count, 1, 256);
  std::fill(std::begin(devicecolors), std::end(devicecolors), 0u);
  for (int i = 0; i < count; ++i) {
    if (table == nullptr) break;  // no table: the entries stay black
    // Six-bit components become 0 to 252.
    std::uint32_t red = (table[i][0] & 0x3Fu) * 4;
    std::uint32_t green = (table[i][1] & 0x3Fu) * 4;
    std::uint32_t blue = (table[i][2] & 0x3Fu) * 4;
    devicecolors[i] = red << 16 | green << 8 | blue;
  }
  vx::platform::raster.paletteentries = count;
}
