// Callback tables for loading a description file without its application.
#pragma once

#include <string>

#include "vx.h"

namespace vxtool {

// Hands the library a table in which every name that the description `text` gives where
// a function belongs (with and without a leading "@") is the generic callback `call`
// (one that does nothing unless given), so that every function it names can be bound.
void installstubs(const std::string& text, VXgenericfunc call = nullptr);

}  // namespace vxtool
