// Statements that add windows and what belongs to them: buttons, drag areas and
// graphics.
#include <string>

#include "model/getname.h"
#include "model/labelescapes.h"
#include "model/reports.h"
#include "model/statements.h"

namespace vx {

namespace {

// Buttons, drag areas and graphics need a window to belong to; the counting pass
// counts one that stands before the first window for nobody.
void countinwindow(std::array<int, MAXWINDOWS>& table) {
  int windows = statementcounts().nwindows;
  if (windows > 0) table[static_cast<std::size_t>(windows - 1)]++;
}

// The window the statement adds to; refused before the first. The library's report
// names one of the statements, or none.
Window& activewindow(const char* named) {
  Window* w = currentwindow();
  if (w == nullptr) refuse(WHOLE, reports::NOWINDOW, named);
  return *w;
}

// Buttons and drag areas alike: counted in the first pass; in the second, the next
// record of the current window with its name filled in.
Button* namedbutton(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    countinwindow(statementcounts().buttons);
    return nullptr;
  }
  Window& w = activewindow("line");
  Button& b = w.wb[nextslot(loading().filled.button, w.nbuttons)];
  const Value* v = s.values;
  if (toolong(v[0].text)) warn(0, reports::BUTTONNAMETOOLONG, std::string(v[0].text).c_str());
  b.name = keeptext(v[0]);
  return &b;
}

// Left, top, width and height from four values in a row.
void placebutton(Button& b, const Value* v) {
  b.left = v[0].number;
  b.top = v[1].number;
  b.width = v[2].number;
  b.height = v[3].number;
}

// Labels, rectangles and lines: counted in the first pass; in the second, the next
// graphic of the current window.
Graphic* newgraphic(Statement& s, const char* named) {
  if (s.pass == Pass::COUNTING) {
    countinwindow(statementcounts().graphics);
    return nullptr;
  }
  Window& w = activewindow(named);
  return &w.graphics[nextslot(loading().filled.graphic, w.ngraphics)];
}

// The labels' placement knows centred, left and right; anything else is centred.
int justification(const Button& b, const Value& word) {
  char c = word.text[0];
  if (c == 'C' || c == 'L' || c == 'R') return c;
  warn(13, reports::JUSTIFICATION, b.name, std::string(word.text).c_str());
  return 'C';
}

}  // namespace

void windowstatement(Statement& s) {
  ModelCounts& counts = statementcounts();
  if (s.pass == Pass::COUNTING) {
    if (counts.nwindows == MAXWINDOWS) refuse(WHOLE, reports::TOOMANYWINDOWS);
    auto n = static_cast<std::size_t>(counts.nwindows++);
    counts.buttons[n] = 0;
    counts.graphics[n] = 0;
    return;
  }
  auto& filled = loading().filled;
  Window& w = model.Win[nextslot(filled.window, model.nwindows)];
  filled.button = -1;
  filled.graphic = -1;
  const Value* v = s.values;
  if (toolong(v[0].text)) warn(0, reports::NAMETOOLONG, std::string(v[0].text).c_str());
  w.name = keeptext(v[0]);
  w.left = v[1].number;
  w.top = v[2].number;
  w.width = v[3].number;
  w.height = v[4].number;
  w.fgcolor = v[5].color;
  w.bgcolor = v[6].color;
  w.bordercolor = v[7].color;
  w.borderwidth = v[8].number;
  w.active = v[9].number;
  w.bstore = v[10].number;
  w.saved = 0;
  w.modal = 0;
}

void buttonstatement(Statement& s) {
  Button* named = namedbutton(s);
  if (named == nullptr) return;
  Button& b = *named;
  const Value* v = s.values;
  if (toolong(v[1].text)) warn(1, reports::LABELTOOLONG, std::string(v[1].text).c_str());
  b.label = keeptext(v[1]);
  b.arrow = removeescapes(b.label);
  placebutton(b, &v[2]);
  b.activecolor = v[6].color;
  b.inactivecolor = v[7].color;
  b.facecolor = v[8].color;
  b.callback = v[9].entry;
  // "@name" also opens the popup of that name, which must already stand in the file.
  std::string_view function = v[9].text;
  b.popup = function[0] == '@' ? popupat(9, function.substr(1), loading().filled.popup + 1) : -1;
  b.shaded = v[10].number;
  b.active = v[11].number;
  b.repeat = v[12].number;
  b.justify = justification(b, v[13]);
  b.font = s.keyword == 1 ? FONT_BOLD : FONT_NORMAL;
  b.dragarea = 0;
}

void dragareastatement(Statement& s) {
  Button* named = namedbutton(s);
  if (named == nullptr) return;
  Button& b = *named;
  const Value* v = s.values;
  b.label = nullptr;
  b.arrow = 0;
  placebutton(b, &v[1]);
  b.facecolor = v[5].color;
  b.callback = v[6].entry;
  b.active = v[7].number;
  b.activecolor = 16;
  b.inactivecolor = 16;
  b.font = FONT_BOLD;
  b.shaded = 0;
  b.repeat = 0;
  b.dragarea = 1;
  b.popup = -1;
  b.justify = 'C';
}

void labelstatement(Statement& s) {
  Graphic* graphic = newgraphic(s, "label");
  if (graphic == nullptr) return;
  Graphic& g = *graphic;
  const Value* v = s.values;
  g.x1 = v[0].number;
  g.y1 = v[1].number;
  g.color = v[2].color;
  g.text = keeptext(v[3]);
  g.shadow = s.form == 1 ? v[4].color : 255;
  g.kind = s.keyword == 1 ? GRAPHIC_BOLDLABEL : GRAPHIC_LABEL;
}

void rectstatement(Statement& s) {
  Graphic* graphic = newgraphic(s, "");
  if (graphic == nullptr) return;
  Graphic& g = *graphic;
  const Value* v = s.values;
  g.x1 = v[0].number;
  g.y1 = v[1].number;
  g.x2 = v[2].number;
  g.y2 = v[3].number;
  g.color = v[4].color;
  g.kind = v[5].number == 1 ? GRAPHIC_RECT : GRAPHIC_DOUBLERECT;
  g.fill = samename(v[6].text, "fill") ? 1 : 0;
}

void linestatement(Statement& s) {
  Graphic* graphic = newgraphic(s, "line");
  if (graphic == nullptr) return;
  Graphic& g = *graphic;
  const Value* v = s.values;
  g.x1 = v[0].number;
  g.y1 = v[1].number;
  g.x2 = v[2].number;
  g.y2 = v[3].number;
  g.kind = v[4].number == 1 ? GRAPHIC_LINE : GRAPHIC_DOUBLELINE;
  g.color = v[5].color;
}

}  // namespace vx
