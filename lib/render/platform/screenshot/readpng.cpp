// Reading a PNG as 8-bit RGB, through stb's decoder; the header is read here first, so
// that a picture of the wrong size is refused before its pixels take memory.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "render/platform/platform.h"
#include "render/platform/screenshot/stb.h"

namespace vx::platform {

namespace {

std::uint32_t big32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// The size in the header that starts the file, which must be a PNG's; false with `why`
// set when it is not.
bool readheader(std::FILE* file, int* width, int* height, std::string* why) {
  // The signature, then the header chunk: its length (13), its name, width and height.
  static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  unsigned char start[24];
  errno = 0;
  std::size_t got = std::fread(start, 1, sizeof start, file);
  if (got < sizeof start && std::ferror(file) != 0) {
    *why = std::strerror(errno != 0 ? errno : EIO);
    return false;
  }
  if (got < sizeof SIGNATURE || std::memcmp(start, SIGNATURE, sizeof SIGNATURE) != 0) {
    *why = "Not a PNG file";
    return false;
  }
  std::uint32_t w = got == sizeof start ? big32(start + 16) : 0;
  std::uint32_t h = got == sizeof start ? big32(start + 20) : 0;
  if (got < sizeof start || std::memcmp(start + 8, "\0\0\0\x0dIHDR", 8) != 0 || w == 0 || h == 0 ||
      w > 0x7FFFFFFF || h > 0x7FFFFFFF) {
    *why = "Damaged PNG file (no header)";
    return false;
  }
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

}  // namespace

bool readpng(const char* path, RgbPicture* picture, std::string* why,
             const std::function<bool(int, int, std::string*)>& fits) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    *why = std::strerror(errno);
    return false;
  }
  bool read = readheader(file, &picture->width, &picture->height, why) &&
              fits(picture->width, picture->height, why) && std::fseek(file, 0, SEEK_SET) == 0;
  if (read) {
    std::string reason;
    read = stb::decodergb(file, &picture->rgb, &reason);
    if (!read) *why = "Damaged PNG file (" + reason + ")";
  }
  std::fclose(file);
  return read;
}

}  // namespace vx::platform
