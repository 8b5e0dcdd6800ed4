// Binding description-file function names to the application's callback table.
#include "model/callbacks.h"

#include <string>
#include <unordered_map>

#include "core/log.h"
#include "model/getname.h"

namespace vx {

namespace {

const FunctionEntry* callbacktable = nullptr;
int callbackcount = 0;

// The first row of each name, folded as names are compared, built at the first binding
// after the table is handed over: binding a file's functions costs the same per name
// however long the table is.
std::unordered_map<std::string, int> firstrows;
bool indexed = false;

std::string folded(const char* name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

int findrow(const char* name) {
  if (!indexed) {
    firstrows.clear();
    for (int row = callbackcount - 1; row >= 0; row--)
      if (callbacktable[row].name != nullptr) firstrows[folded(callbacktable[row].name)] = row;
    indexed = true;
  }
  if (name == nullptr) return -1;
  auto found = firstrows.find(folded(name));
  return found == firstrows.end() ? -1 : found->second;
}

const char* rolename(VXform role) {
  switch (role) {
    case VXFORM_NAME: return "a name (button or popup item)";
    case VXFORM_DRAG: return "a drag-area";
    case VXFORM_EVENT: return "an event (per-event or keyboard)";
    case VXFORM_PLAIN: return "a plain (popup dismissal or redraw)";
    case VXFORM_GENERIC: return "a generic";
  }
  return "an unknown";
}

const char* formname(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "name";
    case VXFORM_DRAG: return "drag";
    case VXFORM_EVENT: return "event";
    case VXFORM_PLAIN: return "plain";
    case VXFORM_GENERIC: return "generic";
  }
  return "unknown";
}

// Refuses a call through the wrong type instead of making it.
void checkform(const FunctionEntry* entry, VXform role) {
  if (entry->form == role || entry->form == VXFORM_GENERIC) return;
  fatal("Function |%s| is used as %s callback, but its table entry holds %s %s callback.\n",
        entry->name != nullptr ? entry->name : "", rolename(role),
        entry->form == VXFORM_EVENT ? "an" : "a", formname(entry->form));
}

int callgeneric(const FunctionEntry* entry, VXcall call) {
  call.function = entry->name;
  call.data = entry->data;
  return entry->call.generic(&call);
}

}  // namespace

void reindexcallbacks() { indexed = false; }

bool hasentrypoint(const FunctionEntry* entry) {
  if (entry == nullptr) return false;
  switch (entry->form) {
    case VXFORM_NAME: return entry->call.named != nullptr;
    case VXFORM_DRAG: return entry->call.drag != nullptr;
    case VXFORM_EVENT: return entry->call.event != nullptr;
    case VXFORM_PLAIN: return entry->call.plain != nullptr;
    case VXFORM_GENERIC: return entry->call.generic != nullptr;
  }
  return false;
}

const FunctionEntry* bindexact(const char* name, VXform role) {
  int row = findrow(name);
  if (row < 0) notfound("function", name);
  const FunctionEntry* entry = &callbacktable[row];
  checkform(entry, role);
  return entry;
}

const FunctionEntry* bindfunction(const char* name, VXform role) {
  if (name != nullptr && name[0] == '@') name++;
  return bindexact(name, role);
}

int callname(const FunctionEntry* entry, const char* name) {
  if (!hasentrypoint(entry)) return 0;
  checkform(entry, VXFORM_NAME);
  if (entry->form == VXFORM_GENERIC)
    return callgeneric(entry, {VXFORM_NAME, 0, 0, 0, name, nullptr, nullptr});
  return entry->call.named(name);
}

int calldrag(const FunctionEntry* entry, int x, int y, int code, const char* name) {
  if (!hasentrypoint(entry)) return 0;
  checkform(entry, VXFORM_DRAG);
  if (entry->form == VXFORM_GENERIC)
    return callgeneric(entry, {VXFORM_DRAG, x, y, code, name, nullptr, nullptr});
  return entry->call.drag(x, y, code, name);
}

int callevent(const FunctionEntry* entry, int x, int y, int arg) {
  if (!hasentrypoint(entry)) return 0;
  checkform(entry, VXFORM_EVENT);
  if (entry->form == VXFORM_GENERIC)
    return callgeneric(entry, {VXFORM_EVENT, x, y, arg, nullptr, nullptr, nullptr});
  return entry->call.event(x, y, arg);
}

int callplain(const FunctionEntry* entry) {
  if (!hasentrypoint(entry)) return 0;
  checkform(entry, VXFORM_PLAIN);
  if (entry->form == VXFORM_GENERIC)
    return callgeneric(entry, {VXFORM_PLAIN, 0, 0, 0, nullptr, nullptr, nullptr});
  return entry->call.plain();
}

}  // namespace vx

extern "C" void VXsetfunctiontable(const FunctionEntry* table, int count) {
  if (count < 0 || (table == nullptr && count > 0))
    vx::fatal("VXsetfunctiontable: a table of %d rows at %p is not a callback table.\n", count,
              static_cast<const void*>(table));
  vx::callbacktable = table;
  vx::callbackcount = count;
  vx::indexed = false;
}
