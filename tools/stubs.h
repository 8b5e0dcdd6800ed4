// Callback tables for loading a description file without its application.
#pragma once

namespace vxtool {

// Hands the library a table in which every word of the file at `path` (with and
// without a leading "@") is a generic callback that does nothing, so that every
// function the file names can be bound. False when the file cannot be read.
bool installstubs(const char* path);

}  // namespace vxtool
