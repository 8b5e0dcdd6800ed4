// The toolkit's own --vx- options, read from the application's command line.
#pragma once

#include <string>
#include <vector>

namespace vx::platform {

// --vx-scale=auto, and the scale when none is given.
constexpr int AUTOSCALE = 0;

struct Options {
  std::string backend;    // a name in the back-end table, or "": the first that opens
  int scale = AUTOSCALE;  // 1 to 8, or the largest that fits the screen
  std::string replay;
  std::string record;
  std::string screenshot;
};

// The options of the window being opened (or open).
extern Options options;

// Splits a command line into words; double quotes group words with blanks and are
// removed. A backslash before a quote makes it part of the word, and backslashes
// before a quote stand in pairs for one; other backslashes are kept as they are.
std::vector<std::string> splitcommandline(const char* commandline);

// Reads the --vx- options; other words belong to the application and are skipped. An
// unknown option or a bad value is fatal.
Options parseoptions(const char* commandline);

}  // namespace vx::platform
