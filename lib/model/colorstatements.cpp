// Statements about colours and the library-wide style values.
#include "core/log.h"
#include "model/colors.h"
#include "model/settings.h"
#include "model/statements.h"

namespace vx {

void paletteentrystatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  if (s.form == 1)
    fatal(
        "This interface file uses an old palette entry syntax.\n  You can no longer set the "
        "index of a palette entry in the interface file.\n  Please contact Project Varnex "
        "about this problem.\n");
  const Value* v = s.values;
  addpaletteentry(v[0].text, v[1].number, v[2].number, v[3].number);
}

void aliasstatement(Statement& s) {
  // Aliases are limited when they are stored, so the counting pass has nothing to do.
  if (s.pass == Pass::COUNTING) return;
  addalias(s.values[0].text, s.values[1].text);
}

void highlightstatement(Statement& s) {
  if (s.pass == Pass::FILLING) highlightcolor = s.values[0].color;
}

void speedupstatement(Statement& s) {
  if (s.pass == Pass::FILLING) repeatspeed = s.values[0].number;
}

void colorliststatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  const char* names[COLORLISTSIZE];
  for (int i = 0; i < COLORLISTSIZE; i++) names[i] = s.values[i].text;
  addcolorlist(names);
}

void buttonstuffstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) return;
  framecolor = s.values[0].color;
  crossout = s.values[1].number;
  lightcolor = s.values[2].color;
  darkcolor = s.values[3].color;
}

}  // namespace vx
