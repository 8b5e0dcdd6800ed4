// vxtool render: brings a description file up headless and writes what the first
// repaint shows, with more windows shown and a popup opened if asked.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "core/log.h"
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

int render(int argc, char** argv) {
  const char* out = nullptr;
  const char* popup = nullptr;
  int colors = 16;
  std::vector<const char*> shows, files;
  auto keep = [](const char*& into) {
    return [&into](std::string_view value) {
      into = value.data();
      return std::string();
    };
  };
  if (auto done = Arguments("render", RENDERUSAGE)
                      .valued("-o", keep(out))
                      .valued("--show",
                              [&](std::string_view window) {
                                shows.push_back(window.data());
                                return std::string();
                              })
                      .valued("--open", keep(popup))
                      .valued("--colors", colorsvalue(colors))
                      .operands(files, 1, 1, "no description file given")
                      .parse(argc, argv))
    return *done;
  if (out == nullptr) return misuse("render", "no output file given (-o OUT.png)", RENDERUSAGE);
  const char* path = files[0];

  vx::setfatalpause(0);
  installstubs(nullptr);
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
