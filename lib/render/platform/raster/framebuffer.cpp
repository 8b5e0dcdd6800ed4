// The software framebuffer every back-end shows, and the raster's life cycle.
#include "render/platform/framebuffer.h"

#include <algorithm>
#include <iterator>

#include "render/platform/raster/fonts.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

std::uint32_t framebuffer[480 * 640];
bool framechanged = false;

void opendrawing() {
  raster = RasterState{};
  loadfonts();
  std::fill(std::begin(framebuffer), std::end(framebuffer), 0x00FFFFFFu);
  framechanged = true;
}

void closedrawing() {
  for (Store& store : raster.stores) store = Store{};
  releasefonts();
}

}  // namespace vx::platform
