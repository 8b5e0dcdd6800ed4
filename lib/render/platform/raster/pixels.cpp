// Single pixels, written in the current colour and read back as palette indexes.
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

void VXPsetpixel(VXPcoord x, VXPcoord y) {
  vx::platform::Beneath beneath;
  using namespace vx::platform;
  // Pixels ignore the raster mode.
  paintbox(boxof(x, y, 1, 1), pencolor(), false);
}

// The clip rectangle limits drawing, not reading; pixels off the framebuffer read as 0.
std::uint8_t VXPgetpixel(VXPcoord x, VXPcoord y) {
  if (x < 0 || x >= VXPWIDTH || y < 0 || y >= VXPHEIGHT) return 0;
  return vx::platform::nearestindex(vx::platform::framebuffer[y * VXPWIDTH + x]);
}
