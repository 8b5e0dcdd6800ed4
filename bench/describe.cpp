// Writes a generated description on standard output, for bench/check.sh:
//   vx_describe bytes N     about N bytes using every statement
//   vx_describe buttons N   N buttons and N popup items, each with a callback of its own
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "description.h"

int main(int argc, char** argv) {
  long n = argc == 3 ? std::atol(argv[2]) : 0;
  if (n <= 0 || (std::strcmp(argv[1], "bytes") != 0 && std::strcmp(argv[1], "buttons") != 0)) {
    std::fprintf(stderr, "usage: vx_describe bytes|buttons N\n");
    return 2;
  }
  std::string text = std::strcmp(argv[1], "bytes") == 0
                         ? vxbench::description(static_cast<std::size_t>(n))
                         : vxbench::buttons(n);
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
