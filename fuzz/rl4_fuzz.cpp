// Fuzz target: any bytes as an RL4 file, through every reader: its size, a load into a
// buffer of exactly the size asked for, the pixels of every row from a loaded picture and
// from the file, and both drawing operations, magnified and not.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "harness.h"

namespace {

constexpr const char* DESCRIPTION = "window(root 0 0 640 480 black white black 0 1 0)\n";

// The picture, in a folder of the target's own: VXloadpicture measures a real file.
std::string path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  vxfuzz::bringup(DESCRIPTION, std::strlen(DESCRIPTION), 256);
  std::string folder = (std::filesystem::temp_directory_path() / "vx-rl4-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  path = folder + "/picture.rl4";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  std::FILE* file = VXopenfile(path.c_str(), "rb");
  if (file == nullptr) return 0;
  try {
    std::uint16_t rows = 0, cols = 0;
    VXgetpicturesize(file, &rows, &cols);
    // Exactly the size asked for: the sanitizer sees any read or write past it.
    std::vector<unsigned char> buffer(size > 8 ? size - 8 : 0);
    Picture picture{};
    std::int16_t values[700];
    if (size > 8 && VXloadpicture(file, &picture, buffer.data()) == 1) {
      for (int r = -1; r <= picture.rows && r < 64; r++)
        VXgetpicturepixel(&picture, -1, r, values, 700);
      VXdrawpicture(&picture, 0, 0, 700, 100, 0, 0, 1, nullptr);
      VXdrawpicture(&picture, -5, 3, 640, 50, 1, 1, 3,
                    [](std::uint16_t value, int column, int row, int repeat) {
                      return value + column + row + repeat;
                    });
    }
    for (int r = 0; r < rows && r < 16; r++) VXgetfilepixel(file, 0, r, values, 700);
    VXdrawfilepicture(file, 0, 0, 700, 100, 0, 0, nullptr);
    VXdrawfilepicture(file, 10, 10, 100, 20, 5, 2, [](std::uint16_t value) { return value * 3; });
  } catch (const vxfuzz::Fatal&) {
  }
  std::fclose(file);
  return 0;
}
