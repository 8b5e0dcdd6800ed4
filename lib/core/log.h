// The two logs, as the rest of the library sees them.
#pragma once

namespace vx {

// How long a fatal report waits before the process exits, in milliseconds.
constexpr int FATALPAUSE = 2000;

// Changes that wait; tools that report to a terminal and tests use 0.
void setfatalpause(int milliseconds);

// Sees every report, formatted, before it is written. A warning for which the hook
// returns true is taken care of and not written; a hook that leaves by throwing stops
// a fatal report from ending the process. Tools show warnings this way, and a fuzzer
// runs the library on millions of inputs; null takes the hook away.
using ReportHook = bool (*)(int level, const char* text);
void setreporthook(ReportHook hook);

// What a fatal report does before the process exits, besides closing the logs: the
// layer that owns the window hands over how to close it. Null: nothing.
void setfatalteardown(void (*teardown)());

// Closes both logs; the next report opens "error.log" again. For tests that run
// one after another in a process.
void closelogs();

// A fatal report (VXerror at level -1) that the compiler knows does not return.
[[noreturn]] void fatal(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A fatal report of the toolkit's own: a bad --vx- option, replay script, recording,
// screenshot or window. The same as fatal, but the message goes to standard error,
// where the user of a program looks for what went wrong with how it was started.
[[noreturn]] void toolkitfatal(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vx
