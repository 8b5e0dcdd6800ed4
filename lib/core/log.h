// The two logs, as the rest of the library sees them.
#pragma once

namespace vx {

// How long a fatal report waits before the process exits, in milliseconds.
constexpr int FATALPAUSE = 2000;

// Changes that wait; tools that report to a terminal and tests use 0.
void setfatalpause(int milliseconds);

// Takes every report before it is written: warnings are then dropped, and a hook
// that leaves by throwing stops a fatal report from ending the process. A fuzzer
// runs the loader on millions of inputs this way; nothing else should need it.
using ReportHook = void (*)(int level);
void setreporthook(ReportHook hook);

// Closes both logs; the next report opens "error.log" again. For tests that run
// one after another in a process.
void closelogs();

// A fatal report (VXerror at level -1) that the compiler knows does not return.
[[noreturn]] void fatal(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vx
