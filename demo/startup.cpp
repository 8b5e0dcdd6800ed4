// The demonstration's start: the output log, the logo, the interface, three colours and
// the keyboard handler, in that order; then the event loop.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "zeftest.h"

namespace zeftest {

State state;

const FunctionEntry TABLE[] = {
    {"agn_func", agn_func},
    {"box_menu", box_menu},
    {"clear_draw_func", clear_draw_func},
    {"clear_text_func", clear_text_func},
    {"col_menu", col_menu},
    {"done_func", done_func},
    {"draw_func", draw_func},
    {"funcs_menu", funcs_menu},
    {"intro", intro},
    {"kbd_hndlr", kbd_hndlr},
    {"quit_prog_func", quit_prog_func},
    {"redraw_func", redraw_func},
    {"set_color_func", set_color_func},
    {"toggle_border_func", toggle_border_func},
    {"toggle_fill_func", toggle_fill_func},
};
const int TABLESIZE = static_cast<int>(std::size(TABLE));

// Values 0 and 1 are the logo's background and letters; 255 stays 255.
int map_logo_color(std::uint16_t value, int, int, int) {
  switch (value) {
    case 0: return state.mgray;
    case 1: return state.aqua;
    case 255: return 255;
    default: return state.white;
  }
}

namespace {

constexpr const char* LOGO = "logo.rl4";

// Lives for the whole run: the logo's runs stay in it.
std::vector<unsigned char> logobuffer;

void loadlogo() {
  std::FILE* file = VXopenfile(LOGO, "rb");
  if (file == nullptr) VXerror(-1, "Unable to open logo file %s\n", LOGO);
  try {
    logobuffer.resize(static_cast<std::size_t>(VXfilesize(file) > 8 ? VXfilesize(file) - 8 : 1));
  } catch (const std::exception&) {
    VXerror(-1, "Unable to allocate space for picture in file %s\n", LOGO);
  }
  if (VXloadpicture(file, &state.logo, logobuffer.data()) == 0)
    VXerror(-1, "Unable to initialize picture in file %s\n", LOGO);
  std::fclose(file);
}

}  // namespace

void start(const char* commandline) {
  state = State{};
  freeobjects();
  if (VXopenoutputlog("w") == 0) {
    std::fputs("Unable to initialize output.log\n", stdout);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::exit(-1);
  }
  loadlogo();
  VXsetfunctiontable(TABLE, TABLESIZE);
  VXinterfaceinit("Varnex Interface Library (ZEF) Test", "zeftest.inf", BSTORE, "w", 16, nullptr,
                  nullptr, commandline, 1);
  state.aqua = VXgetcolor("aqua");
  state.mgray = VXgetcolor("mgray");
  state.white = VXgetcolor("white");
  VXsetkeyboardhandler("kbd_hndlr");
  // Closing the window is Quit.
  VXsetclosehandler("quit_prog_func");
}

void run(const char* commandline) {
  start(commandline);
  VXmainloop();
}

}  // namespace zeftest
