// The software framebuffer every back-end shows.
#include <algorithm>
#include <iterator>

#include "render/platform/raster.h"

namespace vx::platform {

std::uint32_t framebuffer[480 * 640];
bool framechanged = false;

void opendrawing() {
  std::fill(std::begin(framebuffer), std::end(framebuffer), 0x00FFFFFFu);
  framechanged = true;
}

void closedrawing() {}

}  // namespace vx::platform
