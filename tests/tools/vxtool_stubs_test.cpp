// vxtool stubs and check --callbacks: what an application must supply, written as C that
// builds into a program that loads its description.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/fixture.h"

using vxtest::readfile;
using vxtest::writefile;

namespace {

class VxtoolStubs : public vxtest::VxTest {};

int run(const std::string& command) {
  int status = std::system(("timeout 120 " + command).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(VxtoolStubs, TheFileBuildsIntoAProgramThatLoadsItsDescription) {
  writefile("everything.inf", readfile(std::string(VX_DATA) + "/everything.inf"));
  ASSERT_EQ(run(std::string(VXTOOL) + " stubs everything.inf >callbacks.c 2>err.txt"), 0)
      << readfile("err.txt");
  writefile("main.c",
            "#include \"vx.h\"\n"
            "extern const FunctionEntry functiontable[];\n"
            "extern const int functioncount;\n"
            "int main(void) {\n"
            "  VXsetfunctiontable(functiontable, functioncount);\n"
            "  VXinterfaceinit(\"stubs\", \"everything.inf\", BSTORE, \"w\", 16, 0, 0,\n"
            "                  \"--vx-backend=headless\", 0);\n"
            "  return 0;\n"
            "}\n");
  std::string library = VX_LIBRARY;
  std::string build = std::string(VX_CC) + " -std=c11 -Wall -Wextra -Wpedantic -Werror " +
                      VX_SANITIZE_FLAGS + " -I" + VX_INCLUDE + " callbacks.c main.c " + library +
                      " -Wl,-rpath," + library.substr(0, library.rfind('/')) +
                      " $(pkg-config --static --libs sdl2 libpng x11) -lstdc++ -lm" +
                      " -o program >build.txt 2>&1";
  ASSERT_EQ(run(build), 0) << readfile("build.txt") << readfile("callbacks.c");
  // Every row bound in the form its use needs, or loading would have stopped.
  EXPECT_EQ(run("./program >run.txt 2>&1"), 0) << readfile("run.txt");

  EXPECT_EQ(run(std::string(VXTOOL) + " check --callbacks everything.inf >list.txt"), 0);
  EXPECT_EQ(readfile("list.txt"),
            "event  tick       everything.inf:18\n"
            "event  keys       everything.inf:19\n"
            "plain  redraw     everything.inf:20\n"
            "name   choose     everything.inf:26 everything.inf:27 everything.inf:28 "
            "everything.inf:29 everything.inf:39 everything.inf:40 everything.inf:41 "
            "everything.inf:42 everything.inf:43\n"
            "plain  dismissed  everything.inf:31\n"
            "name   toggle     everything.inf:32 everything.inf:33 everything.inf:34\n"
            "name   colours    everything.inf:37\n"
            "name   options    everything.inf:38\n"
            "drag   drag       everything.inf:44\n");
}

TEST_F(VxtoolStubs, EachStubSaysWhereItIsUsed) {
  writefile("two.inf",
            "window(root 0 0 640 480 black white black 1 1 0)\n"
            "button(a |A| 1 1 50 20 black white lgray act 1 1 0 C)\n"
            "button(b |B| 1 30 50 20 black white lgray act 1 1 0 C)\n"
            "dragarea(d 1 60 50 20 white draw 1)\n");
  ASSERT_EQ(run(std::string(VXTOOL) + " stubs two.inf >out.c 2>err.txt"), 0) << readfile("err.txt");
  std::string stubs = readfile("out.c");
  EXPECT_NE(stubs.find(" * two.inf: lines 2 and 3. */\nstatic int on_act("), std::string::npos)
      << stubs;
  EXPECT_NE(stubs.find(" * two.inf: line 4. */\nstatic int on_draw("), std::string::npos) << stubs;
}

TEST_F(VxtoolStubs, ANameOfTwoFormsWritesNoFile) {
  writefile("two.inf",
            "function(act 0 1)\n"
            "window(root 0 0 640 480 black white black 1 1 0)\n"
            "button(b |B| 1 1 50 20 black white lgray act 1 1 0 C)\n");
  EXPECT_EQ(run(std::string(VXTOOL) + " stubs two.inf >out.c 2>err.txt"), 1);
  EXPECT_EQ(readfile("out.c"), "");
  EXPECT_EQ(readfile("err.txt"),
            "two.inf:3:42: error: Function |act| is used as a name (button or popup item) "
            "callback, but its table entry holds an event callback. (line 1 uses it as an event "
            "callback)\n"
            "button(b |B| 1 1 50 20 black white lgray act 1 1 0 C)\n"
            "                                         ^\n");
}

}  // namespace
