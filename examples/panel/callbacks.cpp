// The panel's repaint and tick, the help pager, the alert about the state file, and
// quitting, which saves the state.
#include <climits>
#include <string>

#include "panel.h"

namespace panel {

namespace {

constexpr const char* HELP = "panel.hlp";

void alertstate() { VXalert(0, 1, "badstate1", "badstate2", ""); }

}  // namespace

int repaint() {
  for (const char* window : {"root", "pump", "site", "events", "totals"}) VXredrawwindow(window);
  drawstatus(true);
  drawpump(true);
  drawtotals(true);
  drawjournal();
  drawplan();
  // What stands over the panel comes back over it.
  if (shown("confirm")) VXredrawwindow("confirm");
  if (shown("help")) VXhelp(datafile(HELP).c_str(), 3, 0, 0);
  if (shown("alert")) alertstate();
  return 1;
}

// Called after every event. A call with the pointer where it was is the 10 ms timer's:
// only those advance the simulated pump, so moving the mouse does not speed it up.
int tick(int x, int y, int) {
  static int lastx = INT_MIN, lasty = INT_MIN;
  // The first call follows the first paint: the alert can go up over the panel.
  if (state.alertdue) {
    state.alertdue = false;
    alertstate();
  }
  if (x == lastx && y == lasty) steppump();
  lastx = x;
  lasty = y;
  drawstatus(false);
  return 1;
}

int alert_ok(const char*) {
  VXhidewindow("alert");
  uncovered();
  return 1;
}

int help_func(const char*) {
  VXhelp(datafile(HELP).c_str(), 0, 1, 0);
  return 1;
}

int help_next(const char*) {
  VXhelp(datafile(HELP).c_str(), 1, 0, 0);
  return 1;
}

int help_prev(const char*) {
  VXhelp(datafile(HELP).c_str(), 2, 0, 0);
  return 1;
}

int help_close(const char*) {
  VXhidewindow("help");
  uncovered();
  return 1;
}

int quit_func(const char*) {
  if (!savestate(state.statefile.c_str()))
    VXerror(0, "Unable to save the panel's state in %s\n", state.statefile.c_str());
  VXinterfaceexit(nullptr);
}

}  // namespace panel
