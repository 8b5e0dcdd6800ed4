// Fuzz target: any bytes as a help file, shown in every mode in turn in a description
// with the window "help" (small, so that the fuzzer spends its time reading, not
// painting) and its two buttons.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "harness.h"

namespace {

constexpr const char* DESCRIPTION =
    "window(root 0 0 640 480 black white black 0 1 0)\n"
    "window(message 0 400 640 80 black white black 1 1 0)\n"
    "window(help 50 50 200 150 black white black 1 0 2)\n"
    "button(helpnext |Next| 130 120 60 20 black dgray lgray press 1 1 0 C)\n"
    "button(helpprev |Prev| 60 120 60 20 black dgray lgray press 1 1 0 C)\n";

// The help file, in a folder of the target's own.
std::string path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  std::string folder = (std::filesystem::temp_directory_path() / "vx-help-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  path = folder + "/help.txt";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vxfuzz::bringup(DESCRIPTION, std::strlen(DESCRIPTION), 16);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    for (int mode : {0, 1, 1, 3, 2, 4}) VXhelp(path.c_str(), mode, 1, 0);
  } catch (const vxfuzz::Fatal&) {
  }
  return 0;
}
