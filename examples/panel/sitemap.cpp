// The site plan: an RL4 picture magnified 3, 6 or 9 times into its drag area, panned
// by dragging, zoomed from a menu that opens where it is clicked, with a grid and a
// legend to choose.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "panel.h"

namespace panel {

namespace {

Picture plan{};
std::vector<unsigned char> planbuffer;  // holds the plan's runs for the whole run

// Where a drag began, and the plan point the zoom menu was opened on.
struct {
  int x = 0, y = 0, c0 = 0, r0 = 0;
} grab;
struct {
  int column = 0, row = 0;
} picked;

struct Area {
  int left = 0, top = 0, width = 0, height = 0;
};

Area area() {
  Area a;
  VXgetdragareainfo("site", "plan", &a.left, &a.top, &a.width, &a.height, nullptr, nullptr);
  return a;
}

int mapvalue(std::uint16_t value, int, int, int) { return colors.plan[value & 15]; }

// What the plan shows at a point, for the event list.
const char* feature(int column, int row) {
  static const char* const NAMES[16] = {
      "the grass", "the grass",      "the water",      "the water",   "the bank", "the road",
      "the road",  "the pump house", "the pump house", "the main",    "the pump", "the trees",
      "the trees", "the fence",      "the valve",      "the concrete"};
  std::int16_t value = -1;
  VXgetpicturepixel(&plan, column, row, &value, 1);
  return value >= 0 && value < 16 ? NAMES[value] : "the plan";
}

void drawgrid(const Area& a) {
  // Every eighth column and row of the plan, as a surveyor's grid.
  constexpr int STEP = 8;
  VXsetcolor(colors.gridline);
  for (int c = (state.c0 + STEP - 1) / STEP * STEP; (c - state.c0) * state.zoom < a.width;
       c += STEP)
    VXwline(a.left + (c - state.c0) * state.zoom, a.top, a.left + (c - state.c0) * state.zoom,
            a.top + a.height);
  for (int r = (state.r0 + STEP - 1) / STEP * STEP; (r - state.r0) * state.zoom < a.height;
       r += STEP)
    VXwline(a.left, a.top + (r - state.r0) * state.zoom, a.left + a.width,
            a.top + (r - state.r0) * state.zoom);
}

}  // namespace

bool loadplan(const std::string& path) {
  std::FILE* file = VXopenfile(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::int32_t size = VXfilesize(file);
  planbuffer.assign(static_cast<std::size_t>(std::max(size - 8, 1)), 0);
  bool loaded = size > 8 && VXloadpicture(file, &plan, planbuffer.data()) == 1;
  std::fclose(file);
  return loaded;
}

void setview(int factor, int c0, int r0) {
  Area a = area();
  state.zoom = factor;
  state.c0 = std::clamp(c0, 0, std::max(0, plan.cols - a.width / factor));
  state.r0 = std::clamp(r0, 0, std::max(0, plan.rows - a.height / factor));
}

void drawplan() {
  state.planstale = false;
  inwindow("site", [] {
    Area a = area();
    VXdrawpicture(&plan, a.left, a.top, a.width, a.height, state.c0, state.r0, state.zoom,
                  mapvalue);
    if (option("grid")) drawgrid(a);
  });
  VXframedragarea("site", "plan", colors.dark, colors.light);
  // The legend lies over the plan, so it is drawn after it.
  if (shown("legend")) VXredrawwindow("legend");
}

int plan_func(int x, int y, int code, const char*) {
  switch (code) {
    case DRAGBEGIN: grab = {x, y, state.c0, state.r0}; break;
    case DRAGMOTION: {
      int c0 = state.c0, r0 = state.r0;
      setview(state.zoom, grab.c0 - (x - grab.x) / state.zoom, grab.r0 - (y - grab.y) / state.zoom);
      if (c0 != state.c0 || r0 != state.r0) drawplan();
      break;
    }
    case DRAGEND: {
      char where[48];
      std::snprintf(where, sizeof where, "column %d, row %d", state.c0, state.r0);
      logevent("Plan panned", where, true);
      break;
    }
    case DRAGCLICK: {
      picked = {state.c0 + x / state.zoom, state.r0 + y / state.zoom};
      // The menu opens at the pointer, in main-window pixels.
      int left = 0, top = 0;
      VXgetwindowinfo("site", &left, &top, nullptr, nullptr, nullptr);
      Area a = area();
      left += a.left + x;
      top += a.top + y;
      VXsetmenuorigin("zoom", &left, &top);
      VXopenpopup("zoom");
      break;
    }
    default: break;
  }
  return 1;
}

int zoom_func(const char* name) {
  int factor = 3 * (VXgetmenuitemindex("zoom", name) + 1);
  Area a = area();
  setview(factor, picked.column - a.width / factor / 2, picked.row - a.height / factor / 2);
  drawplan();
  char how[96];
  std::snprintf(how, sizeof how, "%dx on %s, column %d, row %d", factor,
                feature(picked.column, picked.row), picked.column, picked.row);
  logevent("Plan zoomed", how);
  uncovered();
  return 1;
}

// The options menu lies over the plan's top edge: the plan is drawn again, and the
// legend shown or hidden, once the menu has gone.
int grid_func(const char*) {
  state.planstale = true;
  logevent("Grid", option("grid") ? "shown" : "hidden");
  return 1;
}

int legend_func(const char*) {
  state.planstale = true;
  logevent("Legend", option("legend") ? "shown" : "hidden");
  return 1;
}

int options_menu(const char*) { return 1; }

int menu_closed() {
  bool legend = option("legend");
  if (legend != shown("legend")) {
    if (legend) {
      VXshowwindow("legend", 0, 0);
    } else {
      VXhidewindow("legend");
    }
  }
  if (state.planstale) drawplan();
  uncovered();
  return 1;
}

}  // namespace panel
