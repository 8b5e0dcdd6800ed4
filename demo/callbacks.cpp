// The demonstration's first paint and repaint, the colour choice and its swatch, the
// greetings, and the small callbacks of the buttons and menus.
#include <string>

#include "zeftest.h"

namespace zeftest {

namespace {

// The label on the button "color" whose width places the swatch.
constexpr const char* FILLCOLOR = "Fill Color:";

void writehello() {
  FieldInfo f = field("hello1");
  VXsetcolor(f.color);
  VXsetfont(VXFONTBOLD);
  VXselectwindow("io");
  VXwwritetext(f.left, f.top, "Hello World.");
}

void writehelloagain() {
  FieldInfo f = field("hello2");
  VXsetcolor(f.color);
  VXsetfont(VXFONTBOLD);
  VXwwritetext(f.left, f.top, "Hello World, again.");
}

// The text line as it stands, with its cursor when that fits.
void writetyped() {
  FieldInfo line = field("textfg");
  VXsetcolor(line.color);
  VXsetfont(VXFONTBOLD);
  VXwwritetext(line.left, line.top, withcursor(state.typed, line.width).c_str());
}

}  // namespace

void drawswatch(unsigned char color) {
  std::string window = VXgetcurrentwindowname();
  VXselectwindow("root");
  VXsetcolor(color);
  int l = 0, t = 0, w = 0, h = 0, active = 0;
  VXgetbuttoninfo("root", "color", &l, &t, &w, &h, &active);
  VXsetfont(VXFONTBOLD);
  int tw = VXtextwidth(FILLCOLOR);
  int left = l + tw + 10, top = t + 7, width = w - tw - 15, height = h - 13;
  VXwfillrect(left, top, width, height);
  if (active == 0) VXsetcolor(state.white);
  VXwrect(left - 1, top - 1, width + 2, height + 2);
  VXselectwindow(window.c_str());
}

void drawlogo() {
  FieldInfo f = field("logo");
  VXdrawpicture(&state.logo, f.left, f.top, f.width, f.height, 0, 0, 1, map_logo_color);
}

int intro(int, int, int) {
  VXdeactivatefunction("intro");  // once
  VXselectwindow("root");
  state.color = VXgetlistcolor(0, 0);
  drawswatch(state.color);
  VXtogglemenuitemcheck("col_menu", VXgetmenuitemname("col_menu", 0));
  VXversion("version.txt");
  writehello();
  VXmessage(1);
  FieldInfo line = field("textfg");
  VXsetcolor(line.color);
  VXwwritetext(line.left, line.top, "_");
  drawlogo();
  return 1;
}

int redraw_func() {
  VXredrawwindow("root");
  VXversion("version.txt");
  drawswatch(state.color);
  VXredrawwindow("io");
  drawlogo();
  writetyped();
  writehello();
  int again = 0;
  VXgetbuttoninfo("io", "again", nullptr, nullptr, nullptr, nullptr, &again);
  if (again == -1) writehelloagain();
  VXmessage(-1);
  if (state.typedtoofar) VXalert(-1, 1, "typedtoofar", "");
  drawobjects();
  VXselectwindow("io");
  return 1;
}

int set_color_func(const char* name) {
  int k = VXgetmenuitemindex("col_menu", name);
  // One mark at a time: the library has flipped the chosen item's; the old one's goes.
  VXtogglemenuitemcheck("col_menu", VXgetmenuitemname("col_menu", state.chosenitem));
  state.color = VXgetlistcolor(0, k);
  drawswatch(state.color);
  VXmessage(k == state.chosenitem ? 9 : 8);
  state.chosenitem = k;
  return 1;
}

int agn_func(const char*) {
  writehelloagain();
  VXhidebutton("io", "again", 1);
  VXmessage(2);
  return 1;
}

int done_func(const char*) {
  VXhidewindow("alert");
  VXselectwindow("root");
  drawswatch(state.color);
  VXselectwindow("io");
  state.typedtoofar = false;
  return 1;
}

int quit_prog_func(const char*) { VXinterfaceexit(nullptr); }

int box_menu(const char*) {
  VXmessage(4);
  return 1;
}

int col_menu(const char*) {
  VXmessage(7);
  return 1;
}

int funcs_menu(const char*) {
  VXmessage(3);
  return 1;
}

int toggle_border_func(const char*) {
  state.border = !state.border;
  VXmessage(state.border ? 5 : 6);
  return 1;
}

int toggle_fill_func(const char*) {
  state.fill = !state.fill;
  VXmessage(state.fill ? 5 : 6);
  return 1;
}

}  // namespace zeftest
