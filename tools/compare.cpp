// vxtool compare: whether two pictures show the same pixels, as a test of a screen
// against its golden picture needs; how the files are compressed does not matter.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "picturelimits.h"
#include "render/platform/platform.h"

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

// Reads any PNG as 8-bit RGB, through the library's reader, so that a picture compares
// here as it does in VXtestcompare; false with a message printed when it cannot.
bool readrgb(const char* path, vx::platform::RgbPicture* picture) {
  std::string why;
  bool read =
      vx::platform::readpng(path, picture, &why, [](int width, int height, std::string* big) {
        // Refused from the header, before the pixels take their memory.
        if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= MAXPIXELS)
          return true;
        *big = "its " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels are more than vxtool takes in one picture (" + std::to_string(MAXPIXELS) +
               ")";
        return false;
      });
  if (!read) std::fprintf(stderr, "vxtool compare: cannot read %s: %s\n", path, why.c_str());
  return read;
}

}  // namespace

int compare(int argc, char** argv) {
  std::vector<const char*> paths;
  if (auto done = Arguments("compare", COMPAREUSAGE)
                      .operands(paths, 2, 2, "two pictures are needed")
                      .parse(argc, argv))
    return *done;
  vx::platform::RgbPicture a, b;
  if (!readrgb(paths[0], &a) || !readrgb(paths[1], &b)) return 1;
  if (a.width != b.width || a.height != b.height) {
    std::printf("%s is %d x %d, %s is %d x %d\n", paths[0], a.width, a.height, paths[1], b.width,
                b.height);
    return 1;
  }
  long differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
    if (std::memcmp(&a.rgb[i], &b.rgb[i], 3) != 0 && differing++ == 0) first = i;
  }
  if (differing == 0) {
    std::printf("%s and %s show the same %d x %d pixels\n", paths[0], paths[1], a.width, a.height);
    return 0;
  }
  std::size_t pixel = first / 3;
  std::printf(
      "%ld pixels differ; the first at x %zu, y %zu: #%02x%02x%02x in %s, #%02x%02x%02x in %s\n",
      differing, pixel % static_cast<std::size_t>(a.width),
      pixel / static_cast<std::size_t>(a.width), a.rgb[first], a.rgb[first + 1], a.rgb[first + 2],
      paths[0], b.rgb[first], b.rgb[first + 1], b.rgb[first + 2], paths[1]);
  return 1;
}

}  // namespace vxtool
