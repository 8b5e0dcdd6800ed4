// vxtool compare: whether two pictures show the same pixels, as a test of a screen
// against its golden picture needs; how the files are compressed does not matter.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "picturelimits.h"

namespace vxtool {

const char COMPAREUSAGE[] =
    "usage: vxtool compare PICTURE GOLDEN\n"
    "\n"
    "Compares two PNG pictures pixel by pixel, by their colours, whatever their format\n"
    "and compression: a screenshot against the golden picture a test expects. Prints\n"
    "whether they show the same pixels; when they do not, how many pixels differ and the\n"
    "first one (row by row from the top left) with its colour in each. The status is 0\n"
    "for the same pixels, 1 when they differ or a picture cannot be read.\n"
    "\n"
    "options:\n"
    "  -h, --help  print this usage and exit\n";

namespace {

struct Rgb {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  std::vector<unsigned char> bytes;  // red, green, blue for each pixel, row after row
};

// Reads any PNG as 8-bit RGB; false with a message printed when it cannot.
bool readrgb(const char* path, Rgb* picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path) == 0) {
    std::fprintf(stderr, "vxtool compare: cannot read %s: %s\n", path, image.message);
    return false;
  }
  // Refused from the header, before the pixels take their memory.
  if (std::uint64_t{image.width} * image.height > MAXPIXELS) {
    std::fprintf(stderr,
                 "vxtool compare: cannot read %s: its %u x %u pixels are more than vxtool takes "
                 "in one picture (%llu)\n",
                 path, image.width, image.height, static_cast<unsigned long long>(MAXPIXELS));
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGB;
  picture->width = image.width;
  picture->height = image.height;
  picture->bytes.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, picture->bytes.data(), 0, nullptr) == 0) {
    std::fprintf(stderr, "vxtool compare: cannot read %s: %s\n", path, image.message);
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace

int compare(int argc, char** argv) {
  std::vector<const char*> paths;
  if (auto done = Arguments("compare", COMPAREUSAGE)
                      .operands(paths, 2, 2, "two pictures are needed")
                      .parse(argc, argv))
    return *done;
  Rgb a, b;
  if (!readrgb(paths[0], &a) || !readrgb(paths[1], &b)) return 1;
  if (a.width != b.width || a.height != b.height) {
    std::printf("%s is %u x %u, %s is %u x %u\n", paths[0], a.width, a.height, paths[1], b.width,
                b.height);
    return 1;
  }
  long differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i < a.bytes.size(); i += 3) {
    if (std::memcmp(&a.bytes[i], &b.bytes[i], 3) != 0 && differing++ == 0) first = i;
  }
  if (differing == 0) {
    std::printf("%s and %s show the same %u x %u pixels\n", paths[0], paths[1], a.width, a.height);
    return 0;
  }
  std::size_t pixel = first / 3;
  std::printf(
      "%ld pixels differ; the first at x %zu, y %zu: #%02x%02x%02x in %s, #%02x%02x%02x in %s\n",
      differing, pixel % a.width, pixel / a.width, a.bytes[first], a.bytes[first + 1],
      a.bytes[first + 2], paths[0], b.bytes[first], b.bytes[first + 1], b.bytes[first + 2],
      paths[1]);
  return 1;
}

}  // namespace vxtool
