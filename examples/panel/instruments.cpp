// The pump window and the totals: the simulated pump, its readouts, the setpoint with
// its repeat buttons and slider, and starting and stopping with a question first.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "panel.h"

namespace panel {

namespace {

// The texts the readouts show now, so that a tick draws only what changed.
struct Shown {
  std::string setpoint, speed, flow, pumped, starts, runtime;
  int running = -1, cubic = -1, slider = -1;
} drawn;

std::string fixed(double value, int precision = 0) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", precision, value);
  return text;
}

// A readout is an LCD field with its value flush right; the face is proportional, so
// padding with blanks would not line the digits up: the text is measured instead.
// write(x, y) draws the same text through the library's number writers.
template <class Write>
void readout(const char* name, std::string& shown, const std::string& text, Write write) {
  if (text == shown) return;
  shown = text;
  Box box = field(name);
  fillbox(box);
  VXsetfont(VXFONTBOLD);
  VXsetcolor(colors.lcdtext);
  write(flushright(box, text.c_str()), baseline(box));
}

double flow() {
  double perminute = state.speed * LITRESPERREV;
  return option("units") ? perminute * 60 / 1000 : perminute;
}

void drawslider() {
  int left = 0, top = 0, width = 0, height = 0;
  VXgetdragareainfo("pump", "trim", &left, &top, &width, &height, nullptr, nullptr);
  int at = state.setpoint * (width - 3) / SETPOINTMAX;
  VXsetcolor(colors.accent);
  VXwfillrect(left, top, at, height);
  VXsetcolor(colors.well);
  VXwfillrect(left + at, top, width - at, height);
  VXsetcolor(colors.ink);
  VXwfillrect(left + at, top, 3, height);
}

void drawlamp() {
  Box lamp = field("lamp");
  VXwclearrect(lamp.left - 1, lamp.top - 1, lamp.width + 2, lamp.height + 2);
  VXsetcolor(state.running ? colors.lampon : colors.lampoff);
  VXwfillellipse(lamp.left, lamp.top, lamp.width, lamp.height);
  VXsetcolor(colors.dark);
  VXwellipse(lamp.left, lamp.top, lamp.width, lamp.height);
  Box text = field("lamptext");
  VXwclearrect(text.left - 1, text.top - 1, text.width + 2, text.height + 2);
  VXsetfont(VXFONTBOLD);
  VXsetcolor(text.color);
  VXwwritetext(text.left, baseline(text), state.running ? "Running" : "Stopped");
}

void setsetpoint(int value) {
  state.setpoint = std::clamp(value, 0, SETPOINTMAX);
  drawpump(false);
}

}  // namespace

void drawpump(bool all) {
  if (all) {
    drawn.setpoint = drawn.speed = drawn.flow = "";
    drawn.running = drawn.cubic = drawn.slider = -1;
  }
  inwindow("pump", [] {
    if (drawn.running != state.running) {
      drawn.running = state.running;
      drawlamp();
    }
    readout("setpoint", drawn.setpoint, fixed(state.setpoint),
            [](int x, int y) { VXwwritelong(0, x, y, state.setpoint); });
    if (drawn.slider != state.setpoint) {
      drawn.slider = state.setpoint;
      drawslider();
    }
    readout("speed", drawn.speed, fixed(state.speed),
            [](int x, int y) { VXwwritelong(0, x, y, state.speed); });
    int cubic = option("units") ? 1 : 0;
    int precision = cubic != 0 ? 2 : 1;
    readout("flow", drawn.flow, fixed(flow(), precision),
            [precision](int x, int y) { VXwwritefloat(0, precision, x, y, flow()); });
    if (drawn.cubic != cubic) {
      drawn.cubic = cubic;
      Box unit = field("flowunit");
      VXwclearrect(unit.left - 1, unit.top - 1, unit.width + 2, unit.height + 2);
      VXsetfont(VXFONTNORMAL);
      VXsetcolor(unit.color);
      VXwwritetext(unit.left, baseline(unit), cubic != 0 ? "m3/h" : "l/min");
    }
  });
  if (!all) return;
  for (const char* name : {"setpoint", "speed", "flow"})
    VXframefield("pump", name, colors.dark, colors.light);
  VXframedragarea("pump", "trim", colors.dark, colors.light);
}

void drawtotals(bool all) {
  if (all) drawn.pumped = drawn.starts = drawn.runtime = "";
  inwindow("totals", [] {
    double litres = std::floor(state.pumped);
    readout("pumped", drawn.pumped, grouped(litres),
            [litres](int x, int y) { VXwwritecommanum(x, y, litres); });
    readout("starts", drawn.starts, fixed(state.starts),
            [](int x, int y) { VXwwritelong(0, x, y, state.starts); });
    double minutes = static_cast<double>(state.runticks) / TICKSPERMINUTE;
    readout("runtime", drawn.runtime, fixed(minutes, 1),
            [minutes](int x, int y) { VXwwritefloat(0, 1, x, y, minutes); });
  });
  if (!all) return;
  for (const char* name : {"pumped", "starts", "runtime"})
    VXframefield("totals", name, colors.dark, colors.light);
}

void uncovered() {
  drawpump(true);
  drawtotals(true);
  drawjournal();
}

void pumprunning(bool running) {
  state.running = running;
  inwindow("pump", [running] {
    if (running) {
      VXdisablebutton("pump", "start", 1);
      VXenablebutton("pump", "stop", 1);
    } else {
      VXenablebutton("pump", "start", 1);
      VXdisablebutton("pump", "stop", 1);
    }
  });
  drawpump(false);
}

void steppump() {
  int target = state.running ? state.setpoint : 0;
  state.speed = state.speed < target ? std::min(target, state.speed + RAMP)
                                     : std::max(target, state.speed - RAMP);
  if (state.running) state.runticks++;
  state.pumped += state.speed * LITRESPERREV / TICKSPERMINUTE;
  if (!quiet()) return;
  drawpump(false);
  drawtotals(false);
}

int start_func(const char*) {
  state.starts++;
  pumprunning(true);
  logevent("Pump started", "at " + grouped(state.setpoint) + " rpm");
  return 1;
}

// The question opens under the button that asked it.
int stop_func(const char*) {
  int x = 0, y = 0, height = 0;
  VXgetbuttonrect("pump", "stop", &x, &y, nullptr, &height, nullptr);
  int top = y + height + 6;
  VXsetwindoworigin("confirm", &x, &top, nullptr, nullptr);
  VXshowwindow("confirm", 1, 1);
  return 1;
}

int confirm_stop(const char*) {
  VXhidewindow("confirm");
  pumprunning(false);
  logevent("Pump stopped", "from " + grouped(state.speed) + " rpm");
  uncovered();
  return 1;
}

int confirm_cancel(const char*) {
  VXhidewindow("confirm");
  logevent("Stop cancelled", "the pump runs on");
  uncovered();
  return 1;
}

// Held down, the buttons repeat; the list shows one line for the whole run.
int up_func(const char*) {
  setsetpoint(state.setpoint + SETPOINTSTEP);
  logevent("Setpoint raised", "to " + grouped(state.setpoint) + " rpm", true);
  return 1;
}

int down_func(const char*) {
  setsetpoint(state.setpoint - SETPOINTSTEP);
  logevent("Setpoint lowered", "to " + grouped(state.setpoint) + " rpm", true);
  return 1;
}

int trim_func(int x, int, int code, const char*) {
  if (code == DRAGINSIDE || code == DRAGLEAVE) return 1;
  int width = 0;
  VXgetdragareainfo("pump", "trim", nullptr, nullptr, &width, nullptr, nullptr, nullptr);
  long wanted = std::lround(static_cast<double>(x) * SETPOINTMAX / (width - 1) / SETPOINTSTEP);
  setsetpoint(static_cast<int>(std::clamp(wanted, 0L, long{SETPOINTMAX / SETPOINTSTEP})) *
              SETPOINTSTEP);
  if (code == DRAGEND || code == DRAGCLICK)
    logevent("Setpoint set", "to " + grouped(state.setpoint) + " rpm", true);
  return 1;
}

// A check list's item is checked or not by the time it is called.
int units_func(const char*) {
  drawpump(false);
  logevent("Flow shown", option("units") ? "in m3/h" : "in l/min");
  return 1;
}

}  // namespace panel
