// vxtool: checks description files without their application.
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

void usage(std::FILE* to) {
  std::fputs(
      "usage: vxtool check [--colors 16|256] FILE\n"
      "       vxtool render FILE -o OUT.png [--show WINDOW]... [--open POPUP] [--colors 16|256]\n"
      "       vxtool preview FILE [--colors 16|256] [--vx-OPTION=VALUE]...\n"
      "       vxtool rl4 encode IN.png -o OUT.rl4 [--bits 4|8|12|16]\n"
      "       vxtool rl4 decode IN.rl4 -o OUT.png [--colors 16|256]\n"
      "       vxtool rl4 info IN.rl4\n"
      "  check    load a description file and print the interface model it describes\n"
      "  render   bring a description file up headless and write the screen as a PNG\n"
      "  preview  run a description file with callbacks that print every call they get\n"
      "  rl4      turn a palette or gray PNG into an RL4 picture and back, or check one\n",
      to);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    usage(stderr);
    return 2;
  }
  const char* command = argv[1];
  if (std::strcmp(command, "check") == 0) return vxtool::check(argc - 2, argv + 2);
  if (std::strcmp(command, "render") == 0) return vxtool::render(argc - 2, argv + 2);
  if (std::strcmp(command, "preview") == 0) return vxtool::preview(argc - 2, argv + 2);
  if (std::strcmp(command, "rl4") == 0) return vxtool::rl4(argc - 2, argv + 2);
  if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "help") == 0) {
    usage(stdout);
    return 0;
  }
  std::fprintf(stderr, "vxtool: unknown command '%s'\n", command);
  usage(stderr);
  return 2;
}
