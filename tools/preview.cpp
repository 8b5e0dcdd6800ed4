// vxtool preview: runs a description file with callbacks that print every call the
// library makes, in a window or headless under a replay script, so that a designer can
// click through it and a script can check what it does.
#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "core/log.h"
#include "model/model.h"
#include "model/state.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

const char PREVIEWUSAGE[] =
    "usage: vxtool preview FILE [--colors 16|256] [--vx-OPTION=VALUE]...\n"
    "\n"
    "Runs the description FILE with callbacks that print every call the library makes,\n"
    "one line each: button, item, drag, dismiss, redraw or key, with the function and its\n"
    "arguments. The keyboard handler is the first function the file declares whose\n"
    "per-event flag is 0; per-event functions run but are not printed. A bad file prints\n"
    "the library's message and the status is nonzero.\n"
    "\n"
    "options:\n"
    "  --colors 16|256            the size of the palette (16 unless told)\n"
    "  --vx-backend=sdl|headless  a real window, or none (a window when a display can be\n"
    "                             opened, else headless)\n"
    "  --vx-scale=N|auto          shows each pixel N x N times (1 to 8), or as large as\n"
    "                             the screen has room for (auto, unless told)\n"
    "  --vx-replay=FILE           plays the replay script FILE, headless\n"
    "  --vx-record=FILE           writes the session as a replay script\n"
    "  --vx-screenshot=FILE       writes the screen as a PNG when the program ends\n"
    "  -h, --help                 print this usage and exit\n";

namespace {

const FunctionEntry* keyhandler = nullptr;

const char* dragcode(int code) {
  static const char* const NAMES[] = {"DRAGBEGIN",  "DRAGMOTION", "DRAGEND",
                                      "DRAGINSIDE", "DRAGCLICK",  "DRAGLEAVE"};
  return code >= DRAGBEGIN && code <= DRAGLEAVE ? NAMES[code - DRAGBEGIN] : "?";
}

// One line a call, on standard output at once. Per-event functions run on every tick
// and are not shown.
int printcall(const VXcall* call) {
  switch (call->role) {
    case VXFORM_NAME: {
      // Buttons and items share the form; the action just recorded tells them apart.
      LastAction last;
      VXgetlastaction(&last);
      std::printf("%s %s(\"%s\")\n", last.kind == 2 ? "item" : "button", call->function,
                  call->name);
      break;
    }
    case VXFORM_DRAG:
      std::printf("drag %s(%d, %d, %s", call->function, call->x, call->y, dragcode(call->arg));
      if (call->name != nullptr) std::printf(", \"%s\"", call->name);
      std::printf(")\n");
      break;
    case VXFORM_EVENT:
      if (keyhandler == nullptr || call->function != keyhandler->name) return 0;
      std::printf("key %s(%d, %d, %d)\n", call->function, call->x, call->y, call->arg);
      break;
    case VXFORM_PLAIN: {
      bool redraw = vx::modelstate.settings.redrawfunction != nullptr &&
                    call->function == vx::modelstate.settings.redrawfunction->name;
      std::printf("%s %s()\n", redraw ? "redraw" : "dismiss", call->function);
      // The program's own repaint is the library's.
      if (redraw) VXredrawall();
      break;
    }
    case VXFORM_GENERIC: break;
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

int preview(int argc, char** argv) {
  int colors = 16;
  // The toolkit options, as a program's command line hands them on.
  std::vector<char*> options{argv[-1]};
  std::vector<const char*> files;
  if (auto done = Arguments("preview", PREVIEWUSAGE)
                      .valued("--colors", colorsvalue(colors))
                      .prefixed("--vx-",
                                [&](std::string_view option) {
                                  options.push_back(const_cast<char*>(option.data()));
                                  return std::string();
                                })
                      .operands(files, 1, 1, "no description file given")
                      .parse(argc, argv))
    return *done;
  const char* path = files[0];

  vx::setfatalpause(0);
  installstubs(printcall);
  VXinterfaceinit("vxtool preview", path, BSTORE, "w", colors, nullptr, nullptr,
                  VXcommandline(static_cast<int>(options.size()), options.data()), 1);
  // The keyboard handler: the first declared function that is not called per event.
  for (int f = 0; f < vx::model.nfunctions; f++) {
    if (vx::model.functions[f].perevent == 0) {
      VXsetkeyboardhandler(vx::model.functions[f].name);
      keyhandler = vx::model.functions[f].entry;
      break;
    }
  }
  VXmainloop();
}

}  // namespace vxtool
