// The current colour, line width, raster mode and clip rectangle.
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

DrawState drawstate;

void resetdrawstate() { drawstate = DrawState{0, false, 1, 10, 10, false, false, Box{}}; }

}  // namespace vx::platform

using vx::platform::drawstate;

void VXPsetcolor(std::uint8_t index) {
  drawstate.index = index;
  drawstate.colorset = true;
}

std::uint8_t VXPgetcolor() { return drawstate.index; }

void VXPsetlinewidth(int width) {
  if (width == 1 || width == 3) drawstate.width = width;
}

int VXPgetlinewidth() { return drawstate.width; }

void VXPsetxor(int on) { drawstate.xormode = on != 0; }

void VXPsetclip(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  drawstate.clipped = true;
  drawstate.clip = vx::platform::boxof(left, top, width, height);
}
