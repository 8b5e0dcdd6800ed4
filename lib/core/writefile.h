// Writing a whole file so that a failure never destroys what its path named.
#pragma once

#include <cstdio>
#include <functional>

namespace vx {

// Writes the file at `path` through `write`, which returns false when it failed. A
// regular file, or a path that names nothing yet, is written to a new file beside it
// that takes its place only when complete: a failed write leaves the old file as it
// was. When no new file can be made there, nothing is written: a regular file is never
// written in place. A path through a link replaces the file the link names. Anything
// else (a device, a pipe) is written in place and never removed. False, with errno
// saying why, when the file could not be written.
bool writefile(const char* path, const std::function<bool(std::FILE*)>& write);

}  // namespace vx
