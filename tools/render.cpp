// vxtool render: brings a description file up headless and writes what the first
// repaint shows, with more windows shown and a popup opened if asked.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "core/log.h"
#include "model/load.h"
#include "render/platform/screenshot.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

namespace {

int usage(const char* problem) {
  std::fprintf(stderr,
               "vxtool render: %s\n"
               "usage: vxtool render FILE -o OUT.png [--show WINDOW]... [--open POPUP] "
               "[--colors 16|256]\n",
               problem);
  return 2;
}

}  // namespace

int render(int argc, char** argv) {
  const char* path = nullptr;
  const char* out = nullptr;
  const char* popup = nullptr;
  int colors = 16;
  std::vector<const char*> shows;
  for (int i = 0; i < argc; i++) {
    std::string arg = argv[i];
    bool more = i + 1 < argc;
    if (arg == "-o" && more) {
      out = argv[++i];
    } else if (arg == "--show" && more) {
      shows.push_back(argv[++i]);
    } else if (arg == "--open" && more) {
      popup = argv[++i];
    } else if (arg == "--colors" && more) {
      std::string value = argv[++i];
      if (value != "16" && value != "256") return usage("--colors takes 16 or 256");
      colors = std::atoi(value.c_str());
    } else if (path == nullptr && arg[0] != '-') {
      path = argv[i];
    } else {
      return usage(("unexpected argument '" + arg + "'").c_str());
    }
  }
  if (path == nullptr) return usage("no description file given");
  if (out == nullptr) return usage("no output file given (-o OUT.png)");

  vx::setfatalpause(0);
  installstubs(vx::readdescription(path));
  VXinterfaceinit("vxtool render", path, BSTORE, "w", colors, nullptr, nullptr,
                  "--vx-backend=headless", 0);
  VXredrawall();
  for (const char* window : shows) VXshowwindow(window, 0, 0);
  if (popup != nullptr) VXopenpopup(popup);
  if (!vx::platform::writepng(out)) {
    std::fprintf(stderr, "vxtool render: cannot write %s: %s\n", out, std::strerror(errno));
    return 1;
  }
  return 0;
}

}  // namespace vxtool
