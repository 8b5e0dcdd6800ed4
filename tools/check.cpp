// vxtool check: finds every mistake of a description file that its application would
// stop at or show wrongly, then loads it as the application would and lists it.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "core/log.h"
#include "diagnostics.h"
#include "layers.h"
#include "model/colors.h"
#include "model/load.h"
#include "printmodel.h"
#include "reading.h"
#include "render/platform/framebuffer.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

const char CHECKUSAGE[] =
    "usage: vxtool check [--colors 16|256] [--no-bstore] [--werror] [-Wno-NAME]...\n"
    "                    [--callbacks] FILE\n"
    "\n"
    "Loads the description FILE as its application would, every function it names bound\n"
    "to a stub, and finds every mistake the application would stop at, when loading it,\n"
    "starting up or opening a popup, and what would not work or show as meant: the\n"
    "library's own reports, each where it stands, loading going on after each. They are\n"
    "printed on standard error as FILE:LINE:COLUMN: error: or warning:, with the line and\n"
    "a caret under the column (at most 20). When there is no error, lists on standard\n"
    "output the windows with their buttons and graphics, the popups with their items,\n"
    "the fields, messages, functions, colours, aliases and colour lists. The status is 1\n"
    "when there is an error (or a warning, with --werror).\n"
    "\n"
    "options:\n"
    "  --colors 16|256  the size of the palette the file is loaded into (16 unless told)\n"
    "  --bstore         the application passes BSTORE to VXinterfaceinit, so every\n"
    "                   window's store must be 1 to 5, or 0 (the default)\n"
    "  --no-bstore      it does not\n"
    "  --werror         warnings make the status 1 too\n"
    "  -Wno-NAME        no warnings of that name; -WNAME turns them on again:\n"
    "                     duplicate        a name used twice in one table\n"
    "                     size             zero or negative width or height\n"
    "                     outside          past the screen, its window or its button\n"
    "                     label-width      a button label wider than its button, as drawn\n"
    "                     popup-fit        a popup that does not fit the screen\n"
    "                     library-windows  windows the library's own operations need\n"
    "                     name-length      names and label lines the library cuts\n"
    "                     unclosed-text    a text without its closing bar\n"
    "                     component        a palette component outside 0 to 63\n"
    "  --callbacks      lists the callbacks the application must supply instead of the\n"
    "                   model: form (name, drag, event, plain), name and FILE:LINE of\n"
    "                   every use\n"
    "  -h, --help       print this usage and exit\n";

int check(int argc, char** argv) {
  Diagnostics found;
  int colors = 16;
  bool bstore = true, werror = false, callbacks = false;
  std::vector<const char*> files;
  std::optional<int> done =
      Arguments("check", CHECKUSAGE)
          .valued("--colors", colorsvalue(colors))
          .flag("--bstore", [&] { bstore = true; })
          .flag("--no-bstore", [&] { bstore = false; })
          .flag("--werror", [&] { werror = true; })
          .flag("--callbacks", [&] { callbacks = true; })
          .prefixed("-W",
                    [&](std::string_view arg) {
                      bool off = arg.starts_with("-Wno-");
                      std::string_view name = arg.substr(off ? 5 : 2);
                      if (found.enable(name, !off)) return std::string();
                      return std::string("no warning is named '").append(name).append("'");
                    })
          .operands(files, 1, 1, "no description file given")
          .parse(argc, argv);
  if (done) return *done;

  // A file that cannot be read ends the process through the library's own report.
  vx::setfatalpause(0);
  Source source(files[0], vx::readdescription(files[0]));
  vx::platform::opendrawing();
  vx::connectlayers();
  vx::setcolorcount(colors);
  installtypedstubs();
  Reading reading(found, Reading::Keep::CHECK);
  vx::loaddescriptiontext(source.text().data(), source.text().size(), reading, files[0]);
  reading.finish(bstore);
  found.print(stderr, source);
  if (found.errors() == 0) {
    if (callbacks)
      reading.callbacks().print(stdout, source.path());
    else
      printmodel(stdout);
  }
  vx::platform::closedrawing();
  if (found.errors() > 0) return 1;
  if (werror && found.warnings() > 0) {
    std::fprintf(stderr, "vxtool check: the warnings count as errors (--werror)\n");
    return 1;
  }
  return 0;
}

}  // namespace vxtool
