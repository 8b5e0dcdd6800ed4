// The demonstration program's state and the routines its files share.
#pragma once

#include <cstdint>
#include <string>

#include "vx.h"

namespace zeftest {

// What the program keeps between callbacks.
struct State {
  std::string typed;         // the text line, at most MAXTYPED characters
  bool typedtoofar = false;  // the alert for a full text line is up
  bool fill = false;         // new rectangles are filled
  bool border = false;       // new rectangles are bordered
  unsigned char color = 0;   // the fill colour of new rectangles
  int chosenitem = 0;        // the item of "col_menu" that carries the check mark
  unsigned char aqua = 0, mgray = 0, white = 0;
  Picture logo{};
};

extern State state;

constexpr std::size_t MAXTYPED = 80;

// Start-up, in its order: the output log, the logo, the interface, three colours and
// the keyboard handler. Everything the program keeps starts afresh.
void start(const char* commandline);

// Start-up, then the event loop; never returns.
[[noreturn]] void run(const char* commandline);

// The callback table, in its order.
extern const FunctionEntry TABLE[];
extern const int TABLESIZE;

// Drawing objects (objects.cpp).
void drawobjects();
void freeobjects();
std::size_t objectcount();
// The typed text with the cursor, as the text line shows it: "_" added when it fits.
std::string withcursor(const std::string& text, int fieldwidth);

// The colour sample on the button "color", and the greetings (callbacks.cpp).
void drawswatch(unsigned char color);
void drawlogo();

// The callbacks.
int agn_func(const char* name);
int box_menu(const char* name);
int clear_draw_func(const char* name);
int clear_text_func(const char* name);
int col_menu(const char* name);
int done_func(const char* name);
int draw_func(int x, int y, int code, const char* name);
int funcs_menu(const char* name);
int intro(int x, int y, int arg);
int kbd_hndlr(int x, int y, int key);
int quit_prog_func(const char* name);
int redraw_func();
int set_color_func(const char* name);
int toggle_border_func(const char* name);
int toggle_fill_func(const char* name);
int map_logo_color(std::uint16_t value, int column, int row, int repeat);

// A field of the description: where the program writes, and in which colour.
struct FieldInfo {
  int left = 0, top = 0, width = 0, height = 0;
  unsigned char color = 0;
};
FieldInfo field(const char* name);

}  // namespace zeftest
