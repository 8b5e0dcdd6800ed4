// Statements that add functions, messages and fields.
#include "core/log.h"
#include "model/callbacks.h"
#include "model/settings.h"
#include "model/statements.h"

namespace vx {

void functionstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nfunctions++;
    return;
  }
  FunctionDecl& f = model.functions[nextslot(fillindexes().function, model.nfunctions)];
  if (toolong(s.values[0].text)) VXerror(0, "Function name too long: |%s|.\n", s.values[0].text);
  f.name = keeptext(s.values[0]);
  f.perevent = s.values[2].number;
  f.entry = bindfunction(f.name, VXFORM_EVENT);
}

void redrawfuncstatement(Statement& s) {
  if (s.pass == Pass::FILLING) redrawfunction = bindexact(s.values[0].text, VXFORM_PLAIN);
}

void msgstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nmessages++;
    return;
  }
  Message& m = model.messages[nextslot(fillindexes().message, model.nmessages)];
  m.name = keeptext(s.values[0]);
  m.text = keeptext(s.values[1]);
}

void fieldstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nfields++;
    return;
  }
  Field& f = model.fields[nextslot(fillindexes().field, model.nfields)];
  const Value* v = s.values;
  f.name = keeptext(s.values[0]);
  f.left = v[1].number;
  f.top = v[2].number;
  f.width = v[3].number;
  f.height = v[4].number;
  f.color = v[5].color;
}

}  // namespace vx
