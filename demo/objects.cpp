// The drawing: rectangles stretched with a rubber band and texts dropped with a click,
// kept in one list in the order they were made; and the text line typed into it.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "zeftest.h"

namespace zeftest {

namespace {

struct Object {
  enum Kind { RECTANGLE, TEXT } kind;
  int x, y;                        // the corner, or the text's position, in window "io"
  int width, height;               // rectangles
  std::string text;                // texts
  bool fill, border;               // rectangles: as the flags were when it was made
  unsigned char fillcolor, color;  // color: a rectangle's border, a text's colour
};

std::vector<Object> objects;

// The rubber band, in drawing-area coordinates.
struct Band {
  int startx, starty, left, top, width, height;
} band{};

void fillfield(const char* name) {
  FieldInfo f = field(name);
  VXsetcolor(f.color);
  VXwfillrect(f.left, f.top, f.width, f.height);
}

void drawobject(const Object& o) {
  VXselectwindow("io");
  if (o.kind == Object::TEXT) {
    VXsetcolor(o.color);
    VXwwritetext(o.x, o.y, o.text.c_str());
    return;
  }
  if (o.fill) {
    VXsetcolor(o.fillcolor);
    VXwfillrect(o.x, o.y, o.width, o.height);
  }
  if (o.border) {
    VXsetcolor(o.color);
    VXwrect(o.x, o.y, o.width, o.height);
  }
}

// Appends an object and draws it; false when memory ran out.
bool add(const Object& o, const char* warning) {
  try {
    objects.push_back(o);
  } catch (const std::exception&) {
    VXerror(0, "%s", warning);
    return false;
  }
  VXenablemenuitem("funcs_menu", "ClearDraw");
  drawobject(o);
  return true;
}

void xorband(const FieldInfo& area) {
  VXwxorrect(area.left + band.left, area.top + band.top, band.width, band.height);
}

}  // namespace

FieldInfo field(const char* name) {
  FieldInfo f;
  VXgetfieldinfo(name, &f.left, &f.top, &f.width, &f.height, &f.color);
  return f;
}

void drawobjects() {
  for (const Object& o : objects) drawobject(o);
}

void freeobjects() { std::vector<Object>().swap(objects); }

std::size_t objectcount() { return objects.size(); }

std::string withcursor(const std::string& text, int fieldwidth) {
  std::string shown = text;
  if (shown.size() < MAXTYPED) {
    shown += '_';
    if (VXtextwidth(shown.c_str()) > fieldwidth) shown.pop_back();
  }
  return shown;
}

int draw_func(int x, int y, int code, const char*) {
  switch (code) {
    case DRAGBEGIN: band = {x, y, x, y, 0, 0}; break;
    case DRAGMOTION: {
      FieldInfo area = field("dragbg");
      xorband(area);
      band.left = std::min(x, band.startx);
      band.top = std::min(y, band.starty);
      band.width = std::abs(x - band.startx);
      band.height = std::abs(y - band.starty);
      xorband(area);
      break;
    }
    case DRAGEND: {
      FieldInfo area = field("dragbg");
      xorband(area);
      // The rectangle is the band as it was last drawn, wherever the release was.
      if (!state.fill && !state.border) break;
      FieldInfo ink = field("dragfg");
      add({Object::RECTANGLE, area.left + band.left, area.top + band.top, band.width, band.height,
           "", state.fill, state.border, state.color, ink.color},
          "Out of memory for new rectangle.\n");
      break;
    }
    case DRAGINSIDE: {
      fillfield("coordbg");
      FieldInfo at = field("coordfg");
      char text[32];
      std::snprintf(text, sizeof text, "(%d, %d)", x, y);
      VXsetcolor(at.color);
      VXwwritetext(at.left, at.top, text);
      break;
    }
    case DRAGCLICK: {
      if (state.typed.empty()) break;
      FieldInfo ink = field("dragfg");
      add({Object::TEXT, x + ink.left, y + ink.top, 0, 0, state.typed, false, false, 0, ink.color},
          "Out of memory for new text.\n");
      break;
    }
    case DRAGLEAVE: fillfield("coordbg"); break;
    default: break;
  }
  return 1;
}

int kbd_hndlr(int, int, int key) {
  if (state.typedtoofar) {
    VXbeep();
    return 0;
  }
  // Typing goes into the text line only while "io" is the current window.
  std::string window = VXgetcurrentwindowname();
  std::transform(window.begin(), window.end(), window.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (window != "io") {
    VXbeep();
    return 0;
  }
  VXselectwindow("io");
  FieldInfo line = field("textfg");
  bool accepted = std::isalnum(key) != 0 || key == ' ' || key == '-' || key == '.';
  if (accepted) {
    if (state.typed.size() < MAXTYPED) {
      std::string candidate = state.typed + static_cast<char>(key);
      if (VXtextwidth(candidate.c_str()) > line.width) {
        VXalert(-1, 1, "typedtoofar", "");
        drawswatch(state.mgray);
        state.typedtoofar = true;
        return 0;
      }
      state.typed = candidate;
      if (state.typed.size() == 1) VXenablemenuitem("funcs_menu", "ClearText");
    }
  } else if (key == 8 && !state.typed.empty()) {
    state.typed.pop_back();
    if (state.typed.empty()) VXdisablemenuitem("funcs_menu", "ClearText");
  } else {
    return 0;
  }
  fillfield("textbg");
  VXsetcolor(line.color);
  VXsetfont(15);
  VXwwritetext(line.left, line.top, withcursor(state.typed, line.width).c_str());
  return 1;
}

int clear_text_func(const char*) {
  state.typed.clear();
  VXselectwindow("io");
  fillfield("textbg");
  FieldInfo line = field("textfg");
  VXsetcolor(line.color);
  VXwwritetext(line.left, line.top, "_");
  VXdisablemenuitem("funcs_menu", "ClearText");
  return 1;
}

int clear_draw_func(const char*) {
  freeobjects();
  VXselectwindow("io");
  fillfield("dragbg");
  VXdisablemenuitem("funcs_menu", "ClearDraw");
  return 1;
}

}  // namespace zeftest
