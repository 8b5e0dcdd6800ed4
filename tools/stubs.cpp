// Callback tables for loading a description file without its application.
#include "stubs.h"

#include <set>
#include <string>
#include <vector>

#include "model/scanner.h"
#include "vx.h"

namespace vxtool {

namespace {

int ignore(const VXcall*) { return 0; }

// The table must outlive the load, and so must the names it points to.
std::set<std::string> names;
std::vector<FunctionEntry> table;

}  // namespace

void installstubs(const std::string& text, VXgenericfunc call) {
  if (call == nullptr) call = ignore;
  // Every name the scanner finds could be a function; the rows nobody asks for do no
  // harm. The loader's reports must not see this scan's last line.
  vx::scanner::start(text.data(), text.size(), true);
  vx::scanner::TokenValue value;
  while (int code = vx::scanner::next(value)) {
    if (code == vx::scanner::NAME) {
      std::string name = value.text;
      names.insert(name);
      if (name[0] == '@') names.insert(name.substr(1));
    }
    delete[] value.text;
    value = {};
  }
  vx::scanner::forgetline();
  table.clear();
  for (const std::string& name : names) table.emplace_back(name.c_str(), call, nullptr);
  VXsetfunctiontable(table.data(), static_cast<int>(table.size()));
}

}  // namespace vxtool
