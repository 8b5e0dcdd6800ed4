// Callback tables for loading a description file without its application.
#pragma once

#include <string>

#include "vx.h"

namespace vxtool {

// Hands the library a table in which every word of the description `text` (with and
// without a leading "@") is the generic callback `call` (one that does nothing unless
// given), so that every function the file names can be bound.
void installstubs(const std::string& text, VXgenericfunc call = nullptr);

}  // namespace vxtool
