// Callbacks for loading a description file without its application.
#include "stubs.h"

#include <deque>
#include <string>
#include <unordered_map>

#include "diagnostics.h"
#include "model/callbacks.h"

namespace vxtool {

namespace {

int ignore(const VXcall*) { return 0; }

VXgenericfunc generic = nullptr;
// The entries and their names must outlive the load: a deque never moves them.
std::deque<FunctionEntry> entries;
std::deque<std::string> names;
std::unordered_map<std::string, const FunctionEntry*> byname;

const FunctionEntry* stub(std::string_view name, VXform role) {
  auto [known, added] = byname.try_emplace(folded(name), nullptr);
  if (!added) return known->second;
  const char* kept = names.emplace_back(name).c_str();
  FunctionEntry& entry =
      generic != nullptr ? entries.emplace_back(kept, generic) : entries.emplace_back();
  if (generic == nullptr) {
    entry.name = kept;
    entry.form = role;
  }
  known->second = &entry;
  return &entry;
}

}  // namespace

void installstubs(VXgenericfunc call) {
  generic = call != nullptr ? call : ignore;
  VXsetfunctiontable(nullptr, 0);
  vx::setstubmaker(stub);
}

void installtypedstubs() {
  generic = nullptr;
  VXsetfunctiontable(nullptr, 0);
  vx::setstubmaker(stub);
}

}  // namespace vxtool
