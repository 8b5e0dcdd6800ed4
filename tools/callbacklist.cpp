// The callbacks a description file asks of its application's table.
#include "callbacklist.h"

#include <algorithm>
#include <unordered_map>

#include "libraryreport.h"
#include "model/callbacks.h"
#include "model/scanner.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

VXform formof(char kind) {
  switch (kind) {
    case 'b': return VXFORM_NAME;
    case 'd': return VXFORM_DRAG;
    case 'e': return VXFORM_EVENT;
    default: return VXFORM_PLAIN;
  }
}

// The library's report of a row of one form bound to a role of another.
std::string wrongform(const std::string& name, VXform held, VXform role) {
  FunctionEntry row;
  row.name = name.c_str();
  row.form = held;
  std::string text = fatalreport([&] {
    VXsetfunctiontable(&row, 1);
    vx::bindexact(name.c_str(), role);
  });
  VXsetfunctiontable(nullptr, 0);
  return oneline(text);
}

}  // namespace

const char* formword(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "name";
    case VXFORM_DRAG: return "drag";
    case VXFORM_EVENT: return "event";
    case VXFORM_PLAIN: return "plain";
    case VXFORM_GENERIC: break;
  }
  return "generic";
}

std::vector<Callback> collectcallbacks(const std::vector<Statement>& statements,
                                       Diagnostics& found) {
  std::vector<Callback> callbacks;
  std::unordered_map<std::string, std::size_t> rows;  // by folded name
  for (const Statement& s : statements) {
    if (s.kinds == nullptr) continue;
    for (std::size_t k = 0; s.kinds[k] != '\0'; k++) {
      char kind = s.kinds[k];
      if (std::string("bdepr").find(kind) == std::string::npos) continue;
      const Token& t = *s.values[k];
      // The look-up skips a leading "@", but for the redraw function.
      std::string name = kind != 'r' && t.text[0] == '@' ? t.text.substr(1) : t.text;
      VXform form = formof(kind);
      bool perevent = kind == 'e' && s.values[2]->number != 0;
      auto [row, added] = rows.try_emplace(folded(name), callbacks.size());
      if (added) {
        callbacks.push_back({name, form, {t.at}, perevent, kind == 'r'});
        continue;
      }
      Callback* known = &callbacks[row->second];
      if (known->form != form) {
        found.error(t.at, wrongform(name, known->form, form) + " (line " +
                              std::to_string(known->uses[0].line) + " uses it as " +
                              (known->form == VXFORM_EVENT ? "an " : "a ") + formword(known->form) +
                              " callback)");
        continue;
      }
      known->uses.push_back(t.at);
      known->perevent = known->perevent || perevent;
      known->redraw = known->redraw || kind == 'r';
    }
  }
  return callbacks;
}

void printcallbacks(std::FILE* out, const std::vector<Callback>& callbacks,
                    const std::string& path) {
  int width = 0;
  for (const Callback& c : callbacks) width = std::max(width, static_cast<int>(c.name.size()));
  for (const Callback& c : callbacks) {
    std::fprintf(out, "%-5s  %-*s ", formword(c.form), width, c.name.c_str());
    for (const Place& at : c.uses) std::fprintf(out, " %s:%d", path.c_str(), at.line);
    std::fputc('\n', out);
  }
}

}  // namespace vxtool
