// The control panel's state and the routines its files share.
#pragma once

#include <cstdint>
#include <string>

#include "vx.h"

namespace panel {

// Where the program's files are, and where the operator's state is kept.
struct Setup {
  std::string datadir = ".";              // panel.inf, panel.hlp and sitemap.rl4
  std::string statefile = "panel.state";  // read at start, written by Quit
};

constexpr int SETPOINTMAX = 3000;  // rpm
constexpr int SETPOINTSTEP = 10;
constexpr int RAMP = 8;                   // rpm a tick, 800 rpm a second
constexpr double LITRESPERREV = 4.2;      // l/min per rpm
constexpr int TICKSPERMINUTE = 60 * 100;  // the library's timer ticks every 10 ms

// What the program keeps between callbacks. The first group is saved in the state file
// after the interface's own state, which holds the rest that lasts: whether the pump
// runs (the Stop button's state), whether the legend shows (its window's level) and the
// options (the check marks of their menu, read with option()).
struct State {
  int setpoint = 1200;
  int zoom = 3;        // magnification of the plan: 3, 6 or 9
  int c0 = 0, r0 = 0;  // the plan's first column and row on screen
  int starts = 0;
  double pumped = 0;  // litres
  int runticks = 0;

  bool running = false;
  int speed = 0;
  bool planstale = false;  // an option changed the plan while its menu lay over it
  bool alertdue = false;   // the state file was unusable: the alert says so
  std::string datadir;
  std::string statefile;
};

extern State state;

// Palette indexes the program draws with, looked up once the description is loaded.
struct Colors {
  unsigned char ink, dark, light, lcdtext, lampon, lampoff, accent, well, gridline;
  unsigned char plan[16];  // the site plan's values
};

extern Colors colors;

// Start-up: the plan picture, the interface, the saved state. Everything the program
// keeps starts afresh, so a test may start it again.
void start(const Setup& setup, const char* commandline);
[[noreturn]] void run(const Setup& setup, const char* commandline);

// A data file's path in the program's folder.
std::string datafile(const char* name);

// Writes the interface's state and the program's own values; false when the file
// cannot be written. Reads them back; false when the file is there but unusable
// (nothing is changed then). A missing file is no error.
bool savestate(const char* path);
bool loadstate(const char* path);

extern const FunctionEntry TABLE[];
extern const int TABLESIZE;

// A field of the description, and the text drawn in it.
struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  unsigned char color = 0;
};
Box field(const char* name);
void fillbox(const Box& box);
int baseline(const Box& box);
// The x at which a text ends flush with the box's right edge, in the current font.
int flushright(const Box& box, const char* text);
// Runs draw with a window current and puts the one that was current back.
template <class Draw>
void inwindow(const char* window, Draw draw) {
  std::string was = VXgetcurrentwindowname();
  VXselectwindow(window);
  draw();
  VXselectwindow(was.c_str());
}
bool shown(const char* window);
// Whether an item of the options menu is checked: "units" (flow in m3/h rather than
// l/min), "grid" or "legend" (the legend should show once the menu is gone).
bool option(const char* item);
// No modal window and no menu is up: what lies under them may be drawn.
bool quiet();

// The pump window and the totals (instruments.cpp): all draws the frames too and
// every value, else only the values that changed since they were drawn.
void drawpump(bool all);
void drawtotals(bool all);
void pumprunning(bool running);
// One 10 ms step of the simulated pump.
void steppump();
// Draws the live parts again after a window or menu over them has gone.
void uncovered();

// The plan (sitemap.cpp).
bool loadplan(const std::string& path);
void drawplan();
// Sets the magnification and the plan's corner, kept so that the plan fills its area.
void setview(int factor, int c0, int r0);

// The event list and the status line (journal.cpp).
void logevent(const std::string& event, const std::string& value, bool merge = false);
void clearjournal();
void drawjournal();
void drawstatus(bool all);
std::string grouped(double value);  // 1234567 as "1,234,567"

// The callbacks.
int alert_ok(const char* name);
int confirm_cancel(const char* name);
int confirm_stop(const char* name);
int down_func(const char* name);
int grid_func(const char* name);
int help_close(const char* name);
int help_func(const char* name);
int help_next(const char* name);
int help_prev(const char* name);
int legend_func(const char* name);
int menu_closed();
int options_menu(const char* name);
int plan_func(int x, int y, int code, const char* name);
int quit_func(const char* name);
int repaint();
int start_func(const char* name);
int stop_func(const char* name);
int tick(int x, int y, int arg);
int trim_func(int x, int y, int code, const char* name);
int units_func(const char* name);
int up_func(const char* name);
int zoom_func(const char* name);

}  // namespace panel
