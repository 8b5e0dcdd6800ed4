// Comparing the framebuffer with a PNG, through libpng's simplified interface.
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"

namespace vx::platform {

int comparepng(const char* path, int* x, int* y, std::string* why) {
  *x = -1;
  *y = -1;
  // Opened here rather than by libpng, whose message would not say why.
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    *why = std::strerror(errno);
    return -1;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  std::vector<png_byte> rgb;
  bool read = png_image_begin_read_from_stdio(&image, file) != 0;
  if (read && (image.width != VXPWIDTH || image.height != VXPHEIGHT)) {
    *why = std::to_string(image.width) + " x " + std::to_string(image.height) +
           " pixels, not 640 x 480";
    png_image_free(&image);
    std::fclose(file);
    return -1;
  }
  if (read) {
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    read = png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
  }
  if (!read) *why = image.message;
  png_image_free(&image);
  std::fclose(file);
  if (!read) return -1;

  int differing = 0;
  for (int i = 0; i < VXPWIDTH * VXPHEIGHT; i++) {
    const png_byte* p = &rgb[static_cast<std::size_t>(i) * 3];
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
