// The subcommands of vxtool; each returns the process's exit status.
#pragma once

#include <string>

namespace vxtool {

// check [--colors 16|256] [--no-bstore] [--werror] [-Wno-NAME]... [--callbacks] FILE
int check(int argc, char** argv);

// stubs FILE
int stubs(int argc, char** argv);

// render FILE -o OUT.png [--show WINDOW]... [--open POPUP] [--colors 16|256]
int render(int argc, char** argv);

// preview FILE [--colors 16|256] [--vx-OPTION=VALUE]...
int preview(int argc, char** argv);

// rl4 encode IN.png -o OUT.rl4 [--bits N] | decode IN.rl4 -o OUT.png [--colors N] | info IN.rl4
int rl4(int argc, char** argv);

// compare PICTURE GOLDEN
int compare(int argc, char** argv);

// Each command's usage with every option explained; `vxtool --help` shows them all.
extern const char CHECKUSAGE[];
extern const char STUBSUSAGE[];
extern const char RENDERUSAGE[];
extern const char PREVIEWUSAGE[];
extern const char RL4USAGE[];
extern const char COMPAREUSAGE[];

// -h or --help.
bool ishelp(const std::string& arg);

// Prints the usage on standard output for a request for help: status 0.
int help(const char* usage);

// Prints "vxtool COMMAND: PROBLEM" and the usage on standard error: status 2, that of
// bad arguments.
int misuse(const char* command, const std::string& problem, const char* usage);

}  // namespace vxtool
