// Statements about colours and the library-wide style values.
#include "model/colors.h"
#include "model/reports.h"
#include "model/statements.h"

namespace vx {

void paletteentrystatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  if (s.form == 1) refuse(WHOLE, reports::OLDPALETTE);
  const Value* v = s.values;
  addpaletteentry(v[0].text, v[1].number, v[2].number, v[3].number);
}

void aliasstatement(Statement& s) {
  // Aliases are limited when they are stored, so the counting pass has nothing to do.
  if (s.pass == Pass::COUNTING) return;
  addalias(s.values[0].text, s.values[1].text);
}

void highlightstatement(Statement& s) {
  if (s.pass == Pass::FILLING) modelstate.settings.highlightcolor = s.values[0].color;
}

void speedupstatement(Statement& s) {
  if (s.pass == Pass::FILLING) modelstate.settings.repeatspeed = s.values[0].number;
}

void colorliststatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  std::string_view names[COLORLISTSIZE];
  for (int i = 0; i < COLORLISTSIZE; i++) names[i] = s.values[i].text;
  addcolorlist(names);
}

void buttonstuffstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  Settings& settings = modelstate.settings;
  settings.framecolor = s.values[0].color;
  settings.crossout = s.values[1].number;
  settings.lightcolor = s.values[2].color;
  settings.darkcolor = s.values[3].color;
}

}  // namespace vx
