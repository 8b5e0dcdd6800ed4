// Callback tables for loading a description file without its application.
#include "stubs.h"

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "vx.h"

namespace vxtool {

namespace {

int ignore(const VXcall*) { return 0; }

bool isletter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isdigit(char c) { return c >= '0' && c <= '9'; }

// The table must outlive the load, and so must the names it points to.
std::set<std::string> names;
std::vector<FunctionEntry> table;

}  // namespace

bool installstubs(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

  // Every word outside texts and comments could be a function name; the rows nobody
  // asks for do no harm.
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '|' || text[at] == '#') {
      char end = text[at] == '|' ? '|' : '\n';
      at++;
      while (at < text.size() && text[at] != end && text[at] != '\n') at++;
      if (at < text.size() && text[at] == '|') at++;
      continue;
    }
    if (!isletter(text[at]) && text[at] != '@') {
      at++;
      continue;
    }
    std::size_t end = at + 1;
    while (end < text.size() && (isletter(text[end]) || isdigit(text[end]) || text[end] == '_'))
      end++;
    std::string name = text.substr(at, end - at);
    names.insert(name);
    if (name[0] == '@') names.insert(name.substr(1));
    at = end;
  }
  table.clear();
  for (const std::string& name : names) table.emplace_back(name.c_str(), ignore, nullptr);
  VXsetfunctiontable(table.data(), static_cast<int>(table.size()));
  return true;
}

}  // namespace vxtool
