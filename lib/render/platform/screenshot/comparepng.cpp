// Comparing the framebuffer with a PNG.
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"

namespace vx::platform {

int comparepng(const char* path, int* x, int* y, std::string* why) {
  *x = -1;
  *y = -1;
  RgbPicture picture;
  bool read = readpng(path, &picture, why, [](int width, int height, std::string* wrong) {
    if (width == VXPWIDTH && height == VXPHEIGHT) return true;
    *wrong = std::to_string(width) + " x " + std::to_string(height) + " pixels, not 640 x 480";
    return false;
  });
  if (!read) return -1;

  int differing = 0;
  for (int i = 0; i < VXPWIDTH * VXPHEIGHT; i++) {
    const std::uint8_t* p = &picture.rgb[static_cast<std::size_t>(i) * 3];
    std::uint32_t want = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    if ((framebuffer[i] & 0xffffffu) == want) continue;
    if (differing++ == 0) {
      *x = i % VXPWIDTH;
      *y = i / VXPWIDTH;
    }
  }
  return differing;
}

}  // namespace vx::platform
