// The application's callback table: binding names to entries by role, and calling them.
#pragma once

#include "vx.h"

namespace vx {

// Takes the callback table afresh at the next binding, as a load begins: the
// application may have changed its rows since it handed the table over.
void reindexcallbacks();

// Finds the table row for a function named in the description file and checks that
// its form can serve the role (VXFORM_NAME, VXFORM_DRAG, VXFORM_EVENT or
// VXFORM_PLAIN). A leading "@" is skipped. A missing name or a wrong form is fatal.
const FunctionEntry* bindfunction(const char* name, VXform role);

// The same without skipping an "@" (the redraw function is bound this way).
const FunctionEntry* bindexact(const char* name, VXform role);

// True when the entry is a row whose entry point is set.
bool hasentrypoint(const FunctionEntry* entry);

// Calls through an entry in one role; a null entry, or a row without an entry point,
// does nothing and returns 0.
int callname(const FunctionEntry* entry, const char* name);
int calldrag(const FunctionEntry* entry, int x, int y, int code, const char* name);
int callevent(const FunctionEntry* entry, int x, int y, int arg);
int callplain(const FunctionEntry* entry);

}  // namespace vx
