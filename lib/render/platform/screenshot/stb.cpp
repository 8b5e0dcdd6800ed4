// The stb implementation, limited to what stb.h offers: the PNG decoder and the
// compressor, every function of theirs static. stb's own code is not ours to change:
// its headers are included as system headers, and neither the compiler's warnings nor
// the project's checks apply to them.
#include "render/platform/screenshot/stb.h"

#include <cstdlib>

// NOLINTBEGIN
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image.h>
#include <stb_image_write.h>
#pragma GCC diagnostic pop
// NOLINTEND

namespace vx::platform::stb {

std::vector<std::uint8_t> deflate(std::uint8_t* data, std::size_t size, int effort) {
  int length = 0;
  unsigned char* stream = stbi_zlib_compress(data, static_cast<int>(size), &length, effort);
  if (stream == nullptr) return {};
  std::vector<std::uint8_t> bytes(stream, stream + length);
  std::free(stream);
  return bytes;
}

bool decodergb(std::FILE* file, std::vector<std::uint8_t>* rgb, std::string* why) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_file(file, &width, &height, &channels, 3);
  if (pixels == nullptr) {
    *why = stbi_failure_reason();
    return false;
  }
  rgb->assign(pixels, pixels + static_cast<std::size_t>(width) * height * 3);
  stbi_image_free(pixels);
  return true;
}

}  // namespace vx::platform::stb
