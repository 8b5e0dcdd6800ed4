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
#include "render/platform/platform.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

const char RENDERUSAGE[] =
    "usage: vxtool render FILE -o OUT.png [--show WINDOW]... [--open POPUP] [--colors 16|256]\n"
    "\n"
    "Brings the description FILE up headless, every function it names bound to a stub,\n"
    "draws it as the first repaint would and writes the screen as a PNG. A bad file, or\n"
    "a window or popup it does not have, prints the library's message and the status is\n"
    "nonzero.\n"
    "\n"
    "options:\n"
    "  -o OUT.png       the PNG to write (required)\n"
    "  --show WINDOW    shows the window WINDOW too, as VXshowwindow would; may be given\n"
    "                   more than once, the windows shown in that order\n"
    "  --open POPUP     opens the popup POPUP on top of it all\n"
    "  --colors 16|256  the size of the palette (16 unless told)\n"
    "  -h, --help       print this usage and exit\n";

namespace {

int usage(const std::string& problem) { return misuse("render", problem, RENDERUSAGE); }

}  // namespace

int render(int argc, char** argv) {
  const char* path = nullptr;
  const char* out = nullptr;
  const char* popup = nullptr;
  int colors = 16;
  std::vector<const char*> shows;
  for (int i = 0; i < argc; i++) {
    std::string arg = argv[i];
    if (ishelp(arg)) return help(RENDERUSAGE);
    bool valued = arg == "-o" || arg == "--show" || arg == "--open" || arg == "--colors";
    if (valued && i + 1 == argc) return usage(arg + " needs a value");
    if (arg == "-o") {
      out = argv[++i];
    } else if (arg == "--show") {
      shows.push_back(argv[++i]);
    } else if (arg == "--open") {
      popup = argv[++i];
    } else if (arg == "--colors") {
      std::string value = argv[++i];
      if (value != "16" && value != "256")
        return usage("--colors takes 16 or 256, not '" + value + "'");
      colors = std::atoi(value.c_str());
    } else if (path == nullptr && arg[0] != '-') {
      path = argv[i];
    } else {
      return usage("unexpected argument '" + arg + "'");
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
