// PNG pictures of the framebuffer, through libpng's simplified interface (no setjmp).
#include "render/platform/screenshot.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "core/writefile.h"
#include "render/platform/platform.h"
#include "render/platform/raster.h"

namespace vx::platform {

bool writepng(const char* path) {
  if (path == nullptr) return false;
  std::vector<png_byte> rgb(static_cast<std::size_t>(VXPWIDTH) * VXPHEIGHT * 3);
  for (std::size_t i = 0; i < static_cast<std::size_t>(VXPWIDTH) * VXPHEIGHT; ++i) {
    std::uint32_t pixel = framebuffer[i];
    rgb[i * 3] = static_cast<png_byte>(pixel >> 16);
    rgb[i * 3 + 1] = static_cast<png_byte>(pixel >> 8);
    rgb[i * 3 + 2] = static_cast<png_byte>(pixel);
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = VXPWIDTH;
  image.height = VXPHEIGHT;
  image.format = PNG_FORMAT_RGB;
  // Not libpng's own file writer: on failure it removes whatever the path named.
  bool written = vx::writefile(path, [&](std::FILE* file) {
    return png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr) != 0;
  });
  png_image_free(&image);
  return written;
}

}  // namespace vx::platform
