// The panel's start: the plan picture, the interface, the colours and the saved state;
// and the state file, which holds the interface's own state followed by the panel's.
#include <cstdio>
#include <filesystem>
#include <iterator>

#include "panel.h"

namespace panel {

State state;
Colors colors;

const FunctionEntry TABLE[] = {
    {"alert_ok", alert_ok},         {"confirm_cancel", confirm_cancel},
    {"confirm_stop", confirm_stop}, {"down_func", down_func},
    {"grid_func", grid_func},       {"help_close", help_close},
    {"help_func", help_func},       {"help_next", help_next},
    {"help_prev", help_prev},       {"legend_func", legend_func},
    {"menu_closed", menu_closed},   {"options", options_menu},
    {"plan_func", plan_func},       {"quit_func", quit_func},
    {"repaint", repaint},           {"start_func", start_func},
    {"stop_func", stop_func},       {"tick", tick},
    {"trim_func", trim_func},       {"units_func", units_func},
    {"up_func", up_func},           {"zoom_func", zoom_func},
};
const int TABLESIZE = static_cast<int>(std::size(TABLE));

std::string datafile(const char* name) { return state.datadir + "/" + name; }

Box field(const char* name) {
  Box box;
  VXgetfieldinfo(name, &box.left, &box.top, &box.width, &box.height, &box.color);
  return box;
}

void fillbox(const Box& box) {
  VXsetcolor(box.color);
  VXwfillrect(box.left, box.top, box.width, box.height);
}

int baseline(const Box& box) { return box.top + (box.height + 9) / 2; }

int flushright(const Box& box, const char* text) {
  return box.left + box.width - 6 - VXtextwidth(text);
}

bool shown(const char* window) {
  int level = 0;
  VXgetwindowinfo(window, nullptr, nullptr, nullptr, nullptr, &level);
  return level != 0;
}

bool option(const char* item) {
  int checked = 0;
  VXgetiteminfo("options", item, nullptr, &checked);
  return checked == 1;
}

bool quiet() {
  return VXgetopenpopup() == nullptr && !shown("confirm") && !shown("help") && !shown("alert");
}

namespace {

// The panel's own values follow the interface's, as 4-byte little-endian integers
// after a tag, so that a file of another program is not taken for one of ours.
constexpr std::int32_t TAG = 0x324C4E50;  // "PNL2"
constexpr int OWNVALUES = 8;

bool put(std::FILE* file, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                  static_cast<unsigned char>(v >> 16),
                                  static_cast<unsigned char>(v >> 24)};
  return std::fwrite(bytes, 1, 4, file) == 4;
}

bool get(std::FILE* file, std::int32_t* value) {
  unsigned char b[4];
  if (std::fread(b, 1, 4, file) != 4) return false;
  *value = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
      static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

// The interface's part of a state file, measured by writing one: it depends only on
// the description.
long interfacebytes() {
  std::FILE* scratch = std::tmpfile();
  if (scratch == nullptr) return -1;
  VXsavestate(scratch);
  long size = VXfilesize(scratch);
  std::fclose(scratch);
  return size;
}

bool within(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high;
}

void lookupcolors() {
  static const char* const PLAN[16] = {"grass",    "grass2",  "water", "water2",  "sand",    "road",
                                       "roadline", "wall",    "roof",  "pipe",    "pumpred", "tree",
                                       "tree2",    "outline", "valve", "concrete"};
  colors.ink = VXgetcolor("ink");
  colors.dark = VXgetcolor("dark");
  colors.light = VXgetcolor("light");
  colors.lcdtext = VXgetcolor("lcdtext");
  colors.lampon = VXgetcolor("lampon");
  colors.lampoff = VXgetcolor("lampoff");
  colors.accent = VXgetcolor("accent");
  colors.well = VXgetcolor("well");
  colors.gridline = VXgetcolor("gridline");
  for (int v = 0; v < 16; v++) colors.plan[v] = VXgetcolor(PLAN[v]);
}

}  // namespace

bool savestate(const char* path) {
  std::FILE* file = VXopenfile(path, "wb");
  if (file == nullptr) return false;
  VXsavestate(file);
  const std::int32_t own[OWNVALUES] = {
      TAG,
      state.setpoint,
      state.zoom,
      state.c0,
      state.r0,
      state.starts,
      static_cast<std::int32_t>(state.pumped),
      state.runticks,
  };
  bool written = true;
  for (std::int32_t value : own) written = put(file, value) && written;
  return std::fclose(file) == 0 && written;
}

bool loadstate(const char* path) {
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return true;
  std::FILE* file = VXopenfile(path, "rb");
  if (file == nullptr) return false;
  // The whole file is checked before the panel's values are taken from it: a file of
  // another description, a damaged one, or one whose interface values the library does
  // not take, leaves them as they start.
  long head = interfacebytes();
  std::int32_t own[OWNVALUES] = {};
  bool usable = head >= 0 && VXfilesize(file) == head + 4L * OWNVALUES &&
                std::fseek(file, head, SEEK_SET) == 0;
  for (std::int32_t& value : own) usable = usable && get(file, &value);
  usable = usable && own[0] == TAG && within(own[1], 0, SETPOINTMAX) &&
           (own[2] == 3 || own[2] == 6 || own[2] == 9) && own[5] >= 0 && own[6] >= 0 && own[7] >= 0;
  if (usable) {
    std::rewind(file);
    usable = VXloadstate(file) == 1;
  }
  if (usable) {
    state.setpoint = own[1] / SETPOINTSTEP * SETPOINTSTEP;
    state.starts = own[5];
    state.pumped = own[6];
    state.runticks = own[7];
    setview(own[2], own[3], own[4]);
  }
  std::fclose(file);
  return usable;
}

void start(const Setup& setup, const char* commandline) {
  state = State{};
  state.datadir = setup.datadir;
  state.statefile = setup.statefile;
  clearjournal();
  std::string plan = datafile("sitemap.rl4");
  if (!loadplan(plan)) VXerror(-1, "Unable to read the site plan %s\n", plan.c_str());
  VXsetfunctiontable(TABLE, TABLESIZE);
  VXinterfaceinit("Feed pump station 4", datafile("panel.inf").c_str(), BSTORE, "w", 256, nullptr,
                  nullptr, commandline, 1);
  // Closing the window saves, as Quit does.
  VXsetclosehandler("quit_func");
  lookupcolors();
  std::error_code ignored;
  bool saved = std::filesystem::exists(state.statefile, ignored);
  if (loadstate(state.statefile.c_str())) {
    logevent("Panel started", saved ? "with the saved state" : "with the defaults");
  } else {
    VXerror(0, "The state file %s could not be used; it was left as it is.\n",
            state.statefile.c_str());
    logevent("Saved state unusable", "the defaults were taken");
    state.alertdue = true;
  }
  // The interface's state says whether the pump runs.
  int stop = 0;
  VXgetbuttoninfo("pump", "stop", nullptr, nullptr, nullptr, nullptr, &stop);
  state.running = stop == 1;
}

void run(const Setup& setup, const char* commandline) {
  start(setup, commandline);
  VXmainloop();
}

}  // namespace panel
