// vxtool's usage: asked for, on standard output with status 0; after bad arguments, that
// of the command concerned on standard error with status 2, before any file is read.
// Output that cannot be written is a failure of every command.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "support/fixture.h"
#include "tools/run_vxtool.h"
#include "vx.h"

using vxtest::readfile;

namespace {

class VxtoolUsage : public vxtest::VxTest {};

int vxtool(const std::string& arguments) { return vxtest::runvxtool(arguments); }

TEST_F(VxtoolUsage, HelpShowsEveryCommandAndOption) {
  for (const char* asked : {"--help", "-h", "help"}) {
    SCOPED_TRACE(asked);
    ASSERT_EQ(vxtool(asked), 0);
    EXPECT_EQ(readfile("err.txt"), "");
    std::string out = readfile("out.txt");
    for (const char* word :
         {"vxtool check", "vxtool render", "vxtool preview", "rl4 encode", "rl4 decode", "rl4 info",
          "--colors 16|256", "-o OUT.png", "--show WINDOW", "--open POPUP", "--bits 4|8|12|16",
          "--vx-replay=FILE", "vxtool compare", "vxtool stubs", "-Wno-NAME", "--no-bstore"})
      EXPECT_NE(out.find(word), std::string::npos) << word;
  }
  const char* commands[][2] = {{"check --help", "usage: vxtool check"},
                               {"render -h", "usage: vxtool render"},
                               {"preview --help", "usage: vxtool preview"},
                               {"rl4 --help", "usage: vxtool rl4 encode"},
                               {"rl4 decode x.rl4 -h", "usage: vxtool rl4 encode"},
                               {"help render", "usage: vxtool render"},
                               {"stubs -h", "usage: vxtool stubs"},
                               {"--version", "vxtool " VX_VERSION}};
  for (auto [arguments, usage] : commands) {
    SCOPED_TRACE(arguments);
    ASSERT_EQ(vxtool(arguments), 0);
    EXPECT_EQ(readfile("out.txt").rfind(usage, 0), 0u);
    EXPECT_EQ(readfile("err.txt"), "");
  }
}

TEST_F(VxtoolUsage, BadArgumentsShowTheCommandsUsage) {
  const char* cases[][2] = {
      {"", "usage: vxtool COMMAND"},
      {"frobnicate", "usage: vxtool COMMAND"},
      {"check", "usage: vxtool check"},
      {"check a.inf b.inf", "usage: vxtool check"},
      {"check a.inf --colors", "usage: vxtool check"},
      {"render a.inf -o", "usage: vxtool render"},
      {"render a.inf -o x.png --show", "usage: vxtool render"},
      {"render a.inf -o x.png --frame", "usage: vxtool render"},
      {"preview", "usage: vxtool preview"},
      {"preview a.inf --colors", "usage: vxtool preview"},
      {"rl4", "usage: vxtool rl4"},
      {"rl4 squash a.png", "usage: vxtool rl4"},
      {"rl4 encode a.png -o x.rl4 --bits", "usage: vxtool rl4"},
      {"rl4 info a.rl4 -o x.png", "usage: vxtool rl4"},
      {"compare a.png", "usage: vxtool compare"},
      {"check -Wno-everything a.inf", "usage: vxtool check"},
      {"stubs", "usage: vxtool stubs"},
      {"stubs a.inf b.inf", "usage: vxtool stubs"},
      {"--version now", "usage: vxtool COMMAND"},
  };
  for (auto [arguments, usage] : cases) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(vxtool(arguments), 2);
    EXPECT_EQ(readfile("out.txt"), "");
    EXPECT_NE(readfile("err.txt").find(usage), std::string::npos) << readfile("err.txt");
  }
}

TEST_F(VxtoolUsage, OutputToAFullDiskFailsWithAMessage) {
  vxtest::writefile("f.inf",
                    "function(act 0 0)\nwindow(root 0 0 640 480 black white black 1 1 0)\n");
  vxtest::writefile("one.rl4", std::string("RUN\x88\1\0\1\0\x0c\0\2\0\1\5", 14));
  for (const char* arguments : {"stubs f.inf", "check f.inf", "check --callbacks f.inf",
                                "rl4 info one.rl4", "--version", "--help"}) {
    SCOPED_TRACE(arguments);
    std::string command = std::string(VXTOOL).append(" ").append(arguments);
    int status = std::system(command.append(" >/dev/full 2>err.txt").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(readfile("err.txt"),
              "vxtool: cannot write standard output: No space left on device\n");
  }
}

// Run in a project's folder, no command leaves a log there: the library's reports, which
// a program writes to error.log, go to standard error, once.
TEST_F(VxtoolUsage, NoCommandLeavesALogInTheFolder) {
  vxtest::writefile("odd.inf",
                    "window(root 0 0 640 480 black white black 0 1 0)\n"
                    "button(b |B| 10 10 40 20 black dgray lgray f 1 1 0 Q)\n");
  const std::string logo = std::string(VX_DATA) + "/../../demo/logo.png";
  const std::pair<std::string, std::string> runs[] = {
      {"check odd.inf", "justification |Q|"},
      {"check missing.inf", "|missing.inf|"},
      {"stubs odd.inf", ""},
      {"render odd.inf -o odd.png", "Button |b|: justification |Q| is not C, L or R"},
      {"render odd.inf -o x.png --open menu", "getname: Couldn't find |popup| named |menu|\n"},
      {"rl4 encode " + logo + " -o logo.rl4", ""},
      {"rl4 info logo.rl4", ""},
      {"compare odd.png missing.png", "cannot read missing.png"},
  };
  for (const auto& [command, said] : runs) {
    vxtool(command);
    EXPECT_NE(readfile("err.txt").find(said), std::string::npos) << command;
    // Once: not on standard output as well.
    if (!said.empty()) {
      EXPECT_EQ(readfile("out.txt").find(said), std::string::npos) << command;
    }
    EXPECT_FALSE(std::filesystem::exists("error.log")) << command;
    EXPECT_FALSE(std::filesystem::exists("output.log")) << command;
  }
}

}  // namespace
