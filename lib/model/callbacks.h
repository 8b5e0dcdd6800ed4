// The application's callback table: binding names to entries by role, and calling them.
#pragma once

#include <string_view>

#include "vx.h"

namespace vx {

// Takes the callback table afresh at the next binding, as a load begins: the
// application may have changed its rows since it handed the table over.
void reindexcallbacks();

// For tools that load a description without its application: makes the entry bound to
// a name the table lacks, given the name (a skipped "@" left out) and the role it is
// bound in. The entry must live as long as the model; null leaves the name unknown.
using StubMaker = const FunctionEntry* (*)(std::string_view name, VXform role);
void setstubmaker(StubMaker maker);

// The row for a function named in the description file: the table's first row of the
// name, or else the stub maker's; null when neither has one.
const FunctionEntry* findfunction(std::string_view name, VXform role);

// Whether calls in the role may go through the entry: it holds that form, or the
// generic one.
bool serves(const FunctionEntry* entry, VXform role);

// The words of reports::WRONGFORM: the role ("a name (button or popup item)") and the
// form a row holds ("an event"), each with its article.
const char* rolewords(VXform role);
const char* formwords(VXform form);

// True when the entry is a row whose entry point is set.
bool hasentrypoint(const FunctionEntry* entry);

// Calls through an entry in one role; a null entry, or a row without an entry point,
// does nothing and returns 0. An entry of another form is fatal.
int callname(const FunctionEntry* entry, const char* name);
int calldrag(const FunctionEntry* entry, int x, int y, int code, const char* name);
int callevent(const FunctionEntry* entry, int x, int y, int arg);
int callplain(const FunctionEntry* entry);

}  // namespace vx
