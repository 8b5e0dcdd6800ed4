// Callback tables for loading a description file without its application.
#include "stubs.h"

#include <set>
#include <string>
#include <vector>

#include "model/scanner.h"
#include "vx.h"

namespace vxtool {

namespace {

namespace sc = vx::scanner;

int ignore(const VXcall*) { return 0; }

// The table must outlive the load, and so must the names it points to.
std::set<std::string> names;
std::vector<FunctionEntry> table;

// Whether value `index` (from 0) of a statement that begins with `code` names a
// function: the loader binds only those.
bool functionat(int code, int index) {
  switch (code) {
    case sc::FUNCTION:
    case sc::REDRAWFUNC: return index == 0;
    case sc::POPUP: return index == 8;
    case sc::PLABEL: return index == 2;
    case sc::BUTTON: return index == 9;
    case sc::DRAGAREA: return index == 6;
    default: return false;
  }
}

}  // namespace

void installstubs(const std::string& text, VXgenericfunc call) {
  if (call == nullptr) call = ignore;
  // Statements are followed as the loader reads them: a word, then its values in
  // parentheses. A file the loader cannot read fails there, whatever the table holds.
  // The loader's reports must not see this scan's last line.
  names.clear();
  sc::start(text.data(), text.size(), true);
  sc::TokenValue value;
  int statement = 0, index = -1;
  while (int code = sc::next(value)) {
    if (index < 0 && code != '(') {
      statement = code;
    } else if (code == '(') {
      index = 0;
    } else if (code == ')') {
      statement = 0;
      index = -1;
    } else {
      if (code == sc::NAME && functionat(statement, index)) {
        std::string name = value.text;
        names.insert(name);
        if (name[0] == '@') names.insert(name.substr(1));
      }
      index++;
    }
    value = {};
  }
  sc::forgetline();
  table.clear();
  for (const std::string& name : names) table.emplace_back(name.c_str(), call, nullptr);
  VXsetfunctiontable(table.data(), static_cast<int>(table.size()));
}

}  // namespace vxtool
