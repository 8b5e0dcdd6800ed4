// Binding description-file function names to the application's callback table.
#include "model/callbacks.h"

#include "core/log.h"
#include "model/getname.h"
#include "model/reports.h"
#include "model/state.h"

namespace vx {

namespace {

// What the application handed over: not interface state, so a bring-up keeps it.
const FunctionEntry* callbacktable = nullptr;
int callbackcount = 0;
StubMaker stubmaker = nullptr;

// The first row of each name, so that binding a file's functions costs the same per
// name however long the table is.
int findrow(std::string_view name) {
  CallbackIndex& index = modelstate.callbacks;
  if (!index.built) {
    index.rows.clear();
    for (int row = 0; row < callbackcount; row++)
      if (callbacktable[row].name != nullptr) index.rows.insert(callbacktable[row].name, row);
    index.built = true;
  }
  return index.rows.find(name);
}

// Refuses a call through the wrong type instead of making it.
void checkform(const FunctionEntry* entry, VXform role) {
  if (!serves(entry, role))
    fatal(reports::WRONGFORM, entry->name != nullptr ? entry->name : "", rolewords(role),
          formwords(entry->form));
}

int callgeneric(const FunctionEntry* entry, VXcall call) {
  call.function = entry->name;
  call.data = entry->data;
  return entry->call.generic(&call);
}

}  // namespace

void reindexcallbacks() { modelstate.callbacks.built = false; }

void setstubmaker(StubMaker maker) { stubmaker = maker; }

const FunctionEntry* findfunction(std::string_view name, VXform role) {
  int row = findrow(name);
  if (row >= 0) return &callbacktable[row];
  return stubmaker != nullptr ? stubmaker(name, role) : nullptr;
}

bool serves(const FunctionEntry* entry, VXform role) {
  return entry->form == role || entry->form == VXFORM_GENERIC;
}

const char* rolewords(VXform role) {
  switch (role) {
    case VXFORM_NAME: return "a name (button or popup item)";
    case VXFORM_DRAG: return "a drag-area";
    case VXFORM_EVENT: return "an event (per-event or keyboard)";
    case VXFORM_PLAIN: return "a plain (popup dismissal or redraw)";
    case VXFORM_GENERIC: return "a generic";
  }
  return "an unknown";
}

const char* formwords(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "a name";
    case VXFORM_DRAG: return "a drag";
    case VXFORM_EVENT: return "an event";
    case VXFORM_PLAIN: return "a plain";
    case VXFORM_GENERIC: return "a generic";
  }
  return "a unknown";
}

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
    vx::fatal(vx::reports::NOTATABLE, count, static_cast<const void*>(table));
  vx::callbacktable = table;
  vx::callbackcount = count;
  vx::reindexcallbacks();
}
