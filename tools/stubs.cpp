// Callbacks for loading a description file without its application.
#include "stubs.h"

#include <deque>
#include <string>

#include "model/callbacks.h"
#include "model/getname.h"

namespace vxtool {

namespace {

int ignore(const VXcall*) { return 0; }

VXgenericfunc generic = nullptr;
// The entries and their names must outlive the load: a deque never moves them.
std::deque<FunctionEntry> entries;
std::deque<std::string> names;
// Entries by name as the library compares them, the names those kept.
vx::NameIndex byname;

const FunctionEntry* stub(std::string_view name, VXform role) {
  if (int known = byname.find(name); known >= 0) return &entries[static_cast<std::size_t>(known)];
  const std::string& kept = names.emplace_back(name);
  FunctionEntry& entry =
      generic != nullptr ? entries.emplace_back(kept.c_str(), generic) : entries.emplace_back();
  if (generic == nullptr) {
    entry.name = kept.c_str();
    entry.form = role;
  }
  byname.insert(kept, static_cast<int>(entries.size() - 1));
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
