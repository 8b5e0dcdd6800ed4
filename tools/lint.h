// Warnings about what a description file says that loads but does not work or show as
// its author meant: each has a name (LINTS) by which it is turned off.
#pragma once

#include <vector>

#include "diagnostics.h"
#include "syntax.h"

namespace vxtool {

// Looks at every statement that is not broken. Text widths are the library's, so its
// drawing must be open.
void lint(const std::vector<Statement>& statements, Diagnostics& found);

// The windows, buttons and field that the library's message, help and version
// operations draw into, where the file shows that it means to use them.
void librarywindows(const std::vector<Statement>& statements, Diagnostics& found);

}  // namespace vxtool
