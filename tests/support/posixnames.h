// The few POSIX functions the suite calls that Windows names otherwise; the Windows
// build includes this ahead of every test file.
#pragma once

#ifdef _WIN32
#include <gtest/gtest.h>
#include <stdlib.h>

inline int setenv(const char* name, const char* value, int) { return _putenv_s(name, value); }
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }

// A status of -1 is 255 to a POSIX parent, which keeps its low byte, and -1 here, where
// the parent sees the whole code: the suite's 255 means the library's -1.
#define ExitedWithCode(code) ExitedWithCode((code) == 255 ? -1 : (code))
#endif
