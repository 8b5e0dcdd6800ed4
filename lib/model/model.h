// The interface model: the tables built from the description file.
//
// Every table is one contiguous array allocated once at its final size; records
// never move, so an object's index is its identity for the life of the program.
#pragma once

#include <array>
#include <cstdint>

#include "vx.h"

namespace vx {

using Color = std::uint8_t;  // a palette index

constexpr int MAXWINDOWS = 99;
constexpr int MAXPOPUPS = 24;

// Graphic kinds (5 is not used).
enum : std::uint8_t {
  GRAPHIC_LINE = 1,
  GRAPHIC_DOUBLELINE = 2,
  GRAPHIC_RECT = 3,
  GRAPHIC_DOUBLERECT = 4,
  GRAPHIC_BOLDLABEL = 6,
  GRAPHIC_LABEL = 7,
};

// Font codes of buttons and of the drawing state.
constexpr int FONT_NORMAL = 10;
constexpr int FONT_BOLD = 15;

// Button states.
constexpr int BUTTON_ACTIVE = 1;
constexpr int BUTTON_INACTIVE = 0;
constexpr int BUTTON_HIDDEN = -1;
constexpr int BUTTON_SUSPENDED = -2;

// A button or, with dragarea set, a drag area.
struct Button {
  char* name;
  char* label;    // escapes removed; null for a drag area
  int arrow;      // 0, or '<', '>', '^', 'v'
  int left, top;  // relative to the window's outer corner
  int width, height;
  int popup;   // index in Popups opened after the callback, or -1
  int font;    // FONT_BOLD or FONT_NORMAL
  int active;  // BUTTON_ACTIVE, BUTTON_INACTIVE, BUTTON_HIDDEN, BUTTON_SUSPENDED
  Color activecolor;
  Color inactivecolor;
  Color facecolor;
  const FunctionEntry* callback;
  int shaded;
  int repeat;
  int dragarea;
  int justify;  // 'C', 'L' or 'R'
};

struct Graphic {
  int x1, y1;  // line start; rectangle corner; label position
  int x2, y2;  // line end; rectangle width and height
  Color color;
  Color shadow;  // labels: shadow colour, 255 for none
  std::uint8_t kind;
  std::uint8_t fill;  // rectangles: 1 filled, 0 outline
  char* text;         // labels only
};

struct Window {
  char* name;
  int active;  // 0 not shown, n >= 1 shown at level n
  int bstore;  // backing store 1 to 5, or 0
  int saved;   // shown with its backing store in use
  int modal;   // shown modally
  int left, top;
  int width, height;
  Color fgcolor;
  Color bgcolor;
  Color bordercolor;
  int borderwidth;
  int nbuttons;
  Button* wb;
  int ngraphics;
  Graphic* graphics;
};

struct PopupItem {
  char* name;
  char* label;
  int active;  // 1 enabled, 0 disabled, -1 hidden
  int checked;
  const FunctionEntry* callback;
};

struct Popup {
  char* name;
  int active;  // 1 while open
  int checklist;
  Color enabledcolor;
  Color disabledcolor;
  Color bgcolor;
  Color bordercolor;
  int left, top;
  int width;   // widest label in the bold font + 10 (+ 10 more for a check list)
  int height;  // set when opened
  int nitems;
  PopupItem* item;
  const FunctionEntry* callback;  // dismissal without a choice, or null
};

// A named rectangle placed relative to whichever window is current.
struct Field {
  char* name;
  int left, top;
  int width, height;
  Color color;
};

struct Message {
  char* name;
  char* text;
};

// A function declared for per-event calls or as the keyboard handler.
struct FunctionDecl {
  char* name;  // as written, a leading "@" kept
  int perevent;
  const FunctionEntry* entry;
};

struct InterfaceModel {
  int nwindows;
  Window* Win;
  int npopups;
  Popup* Popups;
  int nfields;
  Field* fields;
  int nmessages;
  Message* messages;
  int nfunctions;
  FunctionDecl* functions;
};

extern InterfaceModel model;

// What the counting pass hands to the allocation.
struct ModelCounts {
  int nfunctions = 0;
  int nmessages = 0;
  int npopups = 0;
  int nwindows = 0;
  int nfields = 0;
  std::array<int, MAXPOPUPS> items{};
  std::array<int, MAXWINDOWS> buttons{};
  std::array<int, MAXWINDOWS> graphics{};
};

// Allocates every table at its final size, each record zeroed, after releasing the
// tables of any earlier load; running out of memory is fatal. Counts beyond the limits
// are fatal too.
void allocatemodel(const ModelCounts& counts);

// Frees every table and text and leaves the model empty.
void releasemodel();

// An owned copy of a text for the model, or null when memory ran out.
char* copytext(const char* text);

}  // namespace vx
