// vxtool check: loads a description file as an application would and lists it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "commands.h"
#include "core/log.h"
#include "model/colors.h"
#include "model/load.h"
#include "printmodel.h"
#include "render/platform/raster.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

namespace {

// The library writes warnings to the error log only; a checker shows them too, as they
// come, and lets the log have them as well.
bool showwarning(int level, const char* text) {
  if (level != 0) return false;
  std::size_t length = std::strlen(text);
  std::printf("warning: %s%s", text, length > 0 && text[length - 1] == '\n' ? "" : "\n");
  return false;
}

}  // namespace

int check(int argc, char** argv) {
  int colors = 16;
  const char* path = nullptr;
  for (int i = 0; i < argc; i++) {
    if (std::strcmp(argv[i], "--colors") == 0 && i + 1 < argc) {
      std::string value = argv[++i];
      if (value != "16" && value != "256") {
        std::fprintf(stderr, "vxtool check: --colors takes 16 or 256, not '%s'\n", value.c_str());
        return 2;
      }
      colors = std::atoi(value.c_str());
    } else if (path == nullptr && argv[i][0] != '-') {
      path = argv[i];
    } else {
      std::fprintf(stderr, "vxtool check: unexpected argument '%s'\n", argv[i]);
      return 2;
    }
  }
  if (path == nullptr) {
    std::fprintf(stderr, "usage: vxtool check [--colors 16|256] FILE\n");
    return 2;
  }

  // A bad file ends the process through the library's own report, at once.
  vx::setfatalpause(0);
  VXopenerrorlog("w");
  vx::setreporthook(showwarning);
  std::string text = vx::readdescription(path);
  installstubs(text);
  vx::setcolorcount(colors);
  vx::platform::opendrawing();
  vx::loaddescriptiontext(text.data(), text.size());
  vxtool::printmodel(stdout);
  vx::platform::closedrawing();
  return 0;
}

}  // namespace vxtool
