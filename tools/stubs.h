// Callback tables for loading a description file without its application.
#pragma once

#include <string>

namespace vxtool {

// Hands the library a table in which every word of the description `text` (with and
// without a leading "@") is a generic callback that does nothing, so that every
// function the file names can be bound.
void installstubs(const std::string& text);

}  // namespace vxtool
