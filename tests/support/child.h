// Waiting for a child process that a test started.
#pragma once

#include <sys/types.h>

namespace vxtest {

// The child's exit status once it has ended, or -1 when it ended otherwise or has not
// ended within `seconds` (it is then killed and reaped).
int awaitexit(pid_t child, int seconds);

}  // namespace vxtest
