#include "support/png.h"

#include <png.h>

#include <cstring>

namespace vxtest {

std::vector<std::uint32_t> readpng(const char* path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  bool ok = image.width == 640 && image.height == 480 &&
            png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  if (!ok) return {};
  std::vector<std::uint32_t> pixels(640 * 480);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] =
        (std::uint32_t{rgb[i * 3]} << 16) | (std::uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
  return pixels;
}

}  // namespace vxtest
