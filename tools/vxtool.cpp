// vxtool: checks, draws, runs description files without their application, and makes
// RL4 pictures.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "commands.h"
#include "core/log.h"
#include "vx.h"

namespace vxtool {

bool ishelp(const std::string& arg) { return arg == "-h" || arg == "--help"; }

int help(const char* usage) {
  std::fputs(usage, stdout);
  return 0;
}

int misuse(const char* command, const std::string& problem, const char* usage) {
  std::fprintf(stderr, "vxtool %s: %s\n", command, problem.c_str());
  std::fputs(usage, stderr);
  return 2;
}

}  // namespace vxtool

namespace {

constexpr char OVERVIEW[] =
    "usage: vxtool COMMAND ARGUMENT...\n"
    "       vxtool [COMMAND] --help\n"
    "       vxtool --version\n"
    "\n"
    "commands:\n"
    "  check    check a description file and list the interface model it describes\n"
    "  stubs    write a C file with a stub for every callback a description file names\n"
    "  render   bring a description file up headless and write the screen as a PNG\n"
    "  preview  run a description file with callbacks that print every call they get\n"
    "  rl4      turn a palette or gray PNG into an RL4 picture and back, or check one\n"
    "  compare  tell whether two PNG pictures show the same pixels\n"
    "\n"
    "Bad arguments print the usage and the status is 2; a file that cannot be read or\n"
    "used, or output that cannot be written, prints why and the status is nonzero. The\n"
    "library's reports, which a program writes to error.log, go to standard error: vxtool\n"
    "writes no log files.\n";

struct Command {
  const char* name;
  int (*run)(int, char**);
  const char* usage;
};

constexpr Command COMMANDS[] = {
    {"check", vxtool::check, vxtool::CHECKUSAGE},
    {"stubs", vxtool::stubs, vxtool::STUBSUSAGE},
    {"render", vxtool::render, vxtool::RENDERUSAGE},
    {"preview", vxtool::preview, vxtool::PREVIEWUSAGE},
    {"rl4", vxtool::rl4, vxtool::RL4USAGE},
    {"compare", vxtool::compare, vxtool::COMPAREUSAGE},
};

const Command* find(const char* name) {
  for (const Command& command : COMMANDS)
    if (std::strcmp(command.name, name) == 0) return &command;
  return nullptr;
}

int misuse(const std::string& problem) {
  std::fprintf(stderr, "vxtool: %s\n", problem.c_str());
  std::fputs(OVERVIEW, stderr);
  return 2;
}

int run(int argc, char** argv) {
  if (argc < 2) return misuse("no command given");
  std::string first = argv[1];
  if (first == "--version") {
    if (argc > 2) return misuse("--version takes nothing after it");
    std::printf("vxtool %s\n", VX_VERSION);
    return 0;
  }
  if (vxtool::ishelp(first) || first == "help") {
    if (argc > 3) return misuse("help takes one command at most");
    if (argc == 3) {
      const Command* command = find(argv[2]);
      if (command == nullptr) return misuse(std::string("unknown command '") + argv[2] + "'");
      return vxtool::help(command->usage);
    }
    std::fputs(OVERVIEW, stdout);
    for (const Command& command : COMMANDS) std::printf("\n%s", command.usage);
    return 0;
  }
  const Command* command = find(argv[1]);
  if (command == nullptr) return misuse("unknown command '" + first + "'");
  return command->run(argc - 2, argv + 2);
}

// What a command printed must have reached standard output: a full disk is a failure,
// not a success that wrote nothing.
int flushed(int status) {
  int reason = std::fflush(stdout) != 0 ? errno : 0;
  if (reason == 0 && std::ferror(stdout) == 0) return status;
  std::fprintf(stderr, "vxtool: cannot write standard output: %s\n",
               reason != 0 ? std::strerror(reason) : "a write failed");
  return status != 0 ? status : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A tool run in any folder leaves no logs in it; its user reads the terminal.
  vx::setlogstream(stderr);
  // Every failure ends with a message and a status, never an abort.
  try {
    return flushed(run(argc, argv));
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "vxtool: not enough memory\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vxtool: %s\n", e.what());
  }
  return 1;
}
