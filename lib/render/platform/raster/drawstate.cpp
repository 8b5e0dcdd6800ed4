// The current colour, line width, raster mode and clip rectangle.
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

RasterState raster;

}  // namespace vx::platform

void VXPsetcolor(std::uint8_t index) {
  vx::platform::raster.drawstate.index = index;
  vx::platform::raster.drawstate.colorset = true;
}

std::uint8_t VXPgetcolor() { return vx::platform::raster.drawstate.index; }

void VXPsetlinewidth(int width) {
  if (width == 1 || width == 3) vx::platform::raster.drawstate.width = width;
}

int VXPgetlinewidth() { return vx::platform::raster.drawstate.width; }

void VXPsetxor(int on) { vx::platform::raster.drawstate.xormode = on != 0; }

void VXPsetclip(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  vx::platform::raster.drawstate.clipped = true;
  vx::platform::raster.drawstate.clip = vx::platform::boxof(left, top, width, height);
}
