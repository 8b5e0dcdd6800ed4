// vxtool check, run as a user would run it.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/fixture.h"

using vxtest::writefile;

namespace {

class VxtoolCheck : public vxtest::VxTest {};

struct ToolRun {
  int status;
  std::string out;
};

ToolRun vxtool(const std::string& arguments) {
  // Bounded, so that a tool that never ends fails its test.
  std::string command = "timeout 60 " + std::string(VXTOOL) + " " + arguments + " 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  ToolRun run{-1, ""};
  if (pipe == nullptr) return run;
  char block[4096];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, pipe)) > 0) run.out.append(block, got);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST_F(VxtoolCheck, ListsEveryStatementOfAFileThatUsesThemAll) {
  ToolRun run = vxtool(std::string("check ") + VX_DATA + "/everything.inf");
  ASSERT_EQ(run.status, 0) << run.out;
  const char* expected[] = {
      "window root at (0, 0) size 640 x 480 colours fg 0 bg 4 border 0 borderwidth 2 level 1",
      "window status at (100, 400)",
      "  button colours |Colours| at (20, 20) size 90 x 24 font bold",
      "callback colours popup colours shaded 1 active 1 repeat 0 justify C arrow -",
      "  button quit |Quit| at (530, 20) size 90 x 24 font normal",
      "justify R",
      "  button down || at (560, 130)",
      "arrow v",
      "  button two |Two@lines|",
      "  dragarea canvas at (20, 120) size 400 x 240 face 1 callback drag active 1",
      "  label |Bold label| at (440, 140) colour 0 shadow 1",
      "  labels |Normal label| at (440, 170) colour 0 shadow none",
      "  rect at (440, 200) size 120 x 40 colour 8 filled",
      "  double rect at (440, 250) size 120 x 40 colour 9 outline",
      "  line from (20, 380) to (620, 380) colour 10",
      "  double line from (20, 390) to (620, 390) colour 0",
      "popup colours at (200, 120) width ",
      "colours enabled 0 disabled 2 background 1 border 0 checklist 0 dismiss -",
      "  item secret |Hidden| state -1 checked 0 callback choose",
      "popup options at (330, 120)",
      "colours enabled 0 disabled 2 background 1 border 0 checklist 1 dismiss dismissed",
      "  item grid |Show grid| state 1 checked 1 callback toggle",
      "field message at (20, 440) size 600 x 20 colour 1",
      "message welcome |Welcome to the everything sample.|",
      "message empty ||",
      "function tick per-event 1 entry tick",
      "function @keys per-event 0 entry keys",
      "colours 16",
      "palette 4 lgray 50 50 52",
      "palette 8 sky 20 40 63",
      "palette 10 sun 63 55 0",
      "alias background = lgray",
      "colorlist 0: 0 1 8 9 10",
      "colorlist 1: 0 4 7 6 5",
      "highlight 8",
      "buttonstuff frame 0 crossout 1 light 1 dark 2",
      "speedup 2",
      "redrawfunc redraw",
  };
  for (const char* line : expected) EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST_F(VxtoolCheck, AnErrorOnTheFirstLineShowsNoLineOfAnEarlierScan) {
  // No line end at the end: a scan of the whole file would leave its last line behind
  // for the library's report, which render prints as it is, and then as compilers do.
  writefile("first.inf", "labels(1 2 black fine)\nwindow(w 0 0 10 10 black white black 0 1 0)");
  ToolRun run = vxtool("render first.inf -o x.png");
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.out,
            "Error on line: 0.\nLine: ||\nMessage: parse error.\n"
            "first.inf:1:18: error: parse error\n");
}

TEST_F(VxtoolCheck, ArgumentsAndFiles) {
  writefile("ok.inf", "window(w 0 0 10 10 black white black 0 1 0)\n");
  ToolRun wide = vxtool("check --colors 256 ok.inf");
  EXPECT_EQ(wide.status, 0) << wide.out;
  EXPECT_NE(wide.out.find("colours 256"), std::string::npos);

  ToolRun odd = vxtool("check --colors 12 ok.inf");
  EXPECT_EQ(odd.status, 2);
  EXPECT_NE(odd.out.find("--colors takes 16 or 256"), std::string::npos);

  // Missing, unreadable or a folder: the library's message and the same status.
  std::filesystem::create_directory("folder");
  for (const char* path : {"nothere.inf", "folder"}) {
    ToolRun failed = vxtool(std::string("check ") + path);
    EXPECT_EQ(failed.status, 255);
    EXPECT_EQ(failed.out, std::string("Cannot open interface file |") + path + "|.\n");
  }
  ToolRun drawn = vxtool("render folder -o x.png");
  EXPECT_EQ(drawn.status, 255);
  EXPECT_EQ(drawn.out,
            "Cannot open interface file |folder|.\n"
            "folder: error: Cannot open interface file |folder|: Is a directory\n");

  EXPECT_EQ(vxtool("").status, 2);
  EXPECT_EQ(vxtool("frobnicate").status, 2);
}

TEST_F(VxtoolCheck, WarningsAreShownWithTheModel) {
  const std::string name(2000, 'w');
  writefile("long.inf", "window(" + name + " 0 0 10 10 black white black 0 1 0)\n");
  // The warnings come from the library, not from reading its log back.
  ASSERT_EQ(symlink("/dev/zero", "error.log"), 0);
  ToolRun run = vxtool("check -Wno-name-length long.inf");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("long.inf:1:8: warning: Name too long: |" + name + "|.\n", 0), 0u)
      << run.out;
  EXPECT_NE(run.out.find("\nwindow " + name + " at (0, 0)"), std::string::npos);
}

}  // namespace
