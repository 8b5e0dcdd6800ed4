// Reading PNG files back in tests where there is no libpng (Windows): through stb's
// decoder, compiled here on its own.
#include "support/png.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO_WARNINGS
#include <stb_image.h>

namespace vxtest {

std::vector<std::uint32_t> readpng(const char* path) {
  int width = 0, height = 0, channels = 0;
  unsigned char* rgb = stbi_load(path, &width, &height, &channels, 3);
  if (rgb == nullptr) return {};
  std::vector<std::uint32_t> pixels;
  if (width == 640 && height == 480) {
    pixels.resize(640 * 480);
    for (std::size_t i = 0; i < pixels.size(); ++i)
      pixels[i] =
          (std::uint32_t{rgb[i * 3]} << 16) | (std::uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
  }
  stbi_image_free(rgb);
  return pixels;
}

}  // namespace vxtest
