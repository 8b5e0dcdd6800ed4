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

const char CHECKUSAGE[] =
    "usage: vxtool check [--colors 16|256] FILE\n"
    "\n"
    "Loads the description FILE as an application would, every function it names bound\n"
    "to a stub, and lists the windows with their buttons and graphics, the popups with\n"
    "their items, the fields, messages, functions, colours, aliases and colour lists,\n"
    "with the library's warnings as they come. A bad file prints the library's message\n"
    "and the status is nonzero.\n"
    "\n"
    "options:\n"
    "  --colors 16|256  the size of the palette the file is loaded into (16 unless told)\n"
    "  -h, --help       print this usage and exit\n";

namespace {

int usage(const std::string& problem) { return misuse("check", problem, CHECKUSAGE); }

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
    std::string arg = argv[i];
    if (ishelp(arg)) return help(CHECKUSAGE);
    if (arg == "--colors") {
      if (i + 1 == argc) return usage("--colors needs a value");
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
