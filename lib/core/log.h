// The two logs, as the rest of the library sees them.
#pragma once

#include <cstdio>

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

// A fatal report's line for editors: while set, a fatal report that goes ahead (the
// report hook let it) hands its text to this function once it is logged and shown, and
// the function writes that line to standard error in its own form. The loader sets it
// while it loads an application's description. Null: nothing.
using FatalNote = void (*)(const char* text);
void setfatalnote(FatalNote note);

// Tools that report to a terminal: the error log's reports go to this stream (standard
// error) instead of "error.log", without the banner, and a fatal report is written there
// once, not again on standard output. Null: the file again.
void setlogstream(std::FILE* stream);

// A word about how the program runs that is no failure (a window made smaller to fit the
// screen): in "output.log" when the application has opened it, else a warning in the
// error log.
void notice(const char* format, ...) __attribute__((format(printf, 1, 2)));

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
