// Statements that add functions, messages and fields.
#include "model/reports.h"
#include "model/statements.h"

namespace vx {

void functionstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nfunctions++;
    return;
  }
  const Value* v = s.values;
  FunctionDecl& f = model.functions[nextslot(loading().filled.function, model.nfunctions)];
  if (toolong(v[0].text)) warn(0, reports::FUNCTIONNAMETOOLONG, std::string(v[0].text).c_str());
  f.name = keeptext(v[0]);
  f.perevent = v[2].number;
  f.entry = functionat(0, v[0].text, VXFORM_EVENT, false);
}

void redrawfuncstatement(Statement& s) {
  if (s.pass == Pass::FILLING) modelstate.settings.redrawfunction = s.values[0].entry;
}

void msgstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nmessages++;
    return;
  }
  Message& m = model.messages[nextslot(loading().filled.message, model.nmessages)];
  m.name = keeptext(s.values[0]);
  m.text = keeptext(s.values[1]);
}

void fieldstatement(Statement& s) {
  if (s.pass == Pass::COUNTING) {
    statementcounts().nfields++;
    return;
  }
  Field& f = model.fields[nextslot(loading().filled.field, model.nfields)];
  const Value* v = s.values;
  f.name = keeptext(v[0]);
  f.left = v[1].number;
  f.top = v[2].number;
  f.width = v[3].number;
  f.height = v[4].number;
  f.color = v[5].color;
}

}  // namespace vx
