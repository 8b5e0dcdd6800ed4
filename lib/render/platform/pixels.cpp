// Single pixels, written in the current colour and read back as palette indexes.
#include "render/platform/platform.h"
#include "render/platform/raster.h"
#include "render/platform/rasterstate.h"

void VXPsetpixel(int x, int y) {
  using namespace vx::platform;
  // Pixels ignore the raster mode.
  paintbox({x, y, std::int64_t{x} + 1, std::int64_t{y} + 1}, pencolor(), false);
}

// The clip rectangle limits drawing, not reading; pixels off the framebuffer read as 0.
std::uint8_t VXPgetpixel(int x, int y) {
  if (x < 0 || x >= VXPWIDTH || y < 0 || y >= VXPHEIGHT) return 0;
  return vx::platform::nearestindex(vx::platform::framebuffer[y * VXPWIDTH + x]);
}
