// Opening files the library reads.
#pragma once

#include <cstdio>

namespace vx {

// Opens a file for reading through VXopenfile, or null when it cannot be opened or its
// first byte cannot be read: a folder opens on some systems and then reads nothing, and
// is no more readable than a missing file.
std::FILE* openreadable(const char* path, const char* mode);

// Why `path` could not be opened, just after the attempt: errno, but EISDIR for a folder,
// which Windows refuses as if access were denied.
int openerror(const char* path);

}  // namespace vx
