// What the library refuses in a description file besides its syntax, at loading, at
// start-up and when a popup first opens, found in every statement instead of the first.
#pragma once

#include <vector>

#include "diagnostics.h"
#include "syntax.h"

namespace vxtool {

struct Rules {
  int colors = 16;     // the palette the application asks for: 16 or 256
  bool bstore = true;  // the application passes BSTORE to VXinterfaceinit
};

// Reports every statement the application would stop at, with the library's own text
// where it has one. Uses the library's colour tables, which loading resets.
void checkrules(const std::vector<Statement>& statements, const Rules& rules, Diagnostics& found);

}  // namespace vxtool
