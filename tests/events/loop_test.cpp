// The event loop: the repaint, per-event functions, VXprocessevents from inside a
// callback, and VXmainloop from the first paint to a quit callback.
#include <cstdio>
#include <string>

#include "events/dispatch.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "support/event_fixture.h"
#include "vx.h"

using vxtest::INPUT;

namespace {

class Loop : public vxtest::EventTest {};

TEST_F(Loop, ARepaintCallsTheRedrawFunctionAndKeepsTheOpenPopupOnTop) {
  bringup(std::string(INPUT) + "redrawfunc(redraw)\n");
  VXopenpopup("menu");
  std::uint8_t popup = VXPgetpixel(410, 110);
  VXPsetcolor(3);
  VXPfillrect(0, 0, 640, 480);
  VXPsetcolor(5);
  expose();
  EXPECT_EQ(calls(), "redraw()");
  EXPECT_EQ(VXPgetpixel(410, 110), popup);
  EXPECT_EQ(VXPgetcolor(), 5);
}

TEST_F(Loop, PerEventFunctionsRunAfterEveryEventInTableOrder) {
  bringup(std::string(INPUT) + "function(tick 0 1)\nfunction(tock 0 1 0)\n");
  move(30, 110);  // into pad: its inside call comes first
  tick();
  key('x');
  EXPECT_EQ(calls(),
            "drag(10, 10, 4); tick(30, 110, 0); tock(30, 110, 0); "
            "tick(30, 110, 0); tock(30, 110, 0); "
            "tick(30, 110, 0); tock(30, 110, 0)");
  VXdeactivatefunction("tick");
  tick();
  // A type the dispatcher does not know still moves the pointer and reaches them.
  Event odd{9, 0, 40, 112};
  vx::dispatchevent(odd);
  EXPECT_EQ(calls(), "tock(30, 110, 0); drag(20, 12, 4); tock(40, 112, 0)");
}

// A handler that dispatches what waits, from every key it gets: a long run of keys
// without a tick between them nests only so deep, and every key arrives in order.
std::string order;
int nested(int, int, int key) {
  order += static_cast<char>(key);
  VXprocessevents();
  return 0;
}

TEST_F(Loop, ProcessEventsFromInsideACallbackNestsBoundedly) {
  const FunctionEntry table[] = {{"keys", nested}};
  VXsetfunctiontable(table, 1);
  bringup("window(root 0 0 640 480 black white black 0 1 0)\nfunction(keys 0 0)\n");
  VXsetkeyboardhandler("keys");
  order.clear();
  for (int i = 0; i < 200; i++)
    vx::platform::headless::pushkey(static_cast<std::uint8_t>('a' + i % 26));
  vx::platform::headless::pushtick(300);
  tick();  // hands out the first key; the rest follow from inside the handler
  std::string expected;
  for (int i = 0; i < 200; i++) expected += static_cast<char>('a' + i % 26);
  EXPECT_EQ(order, expected);
}

// The whole loop: the first paint, a click on a button whose callback quits.
TEST_F(Loop, TheMainLoopRunsUntilAQuitCallback) {
  EXPECT_EXIT(
      {
        vxtest::capturestdout();
        vxtest::writefile("test.inf", INPUT);
        VXinterfaceinit("t", "test.inf", BSTORE, "w", 16, nullptr, nullptr, "--vx-backend=headless",
                        0);
        VXshowwindow("dialog", 0, 0);
        vx::platform::headless::pushmove(320, 220);
        vx::platform::headless::pushpress(320, 220);
        vx::platform::headless::pushrelease(320, 220);
        vx::platform::headless::pushkey('z');  // never reached
        VXmainloop();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(vxtest::readfile(vxtest::STDOUTFILE), "quit\n");
}

// A close handler that only says it was asked, and a button that takes it away.
int asked(const char* window) {
  std::printf("close %s\n", window);
  return 0;
}
int forget(const char*) {
  std::puts("forget");
  VXsetclosehandler(nullptr);
  return 0;
}

// A replay script's quit line is the quit message: the close handler is asked, with the
// main window's name, and the program runs on; without one the quit line ends it. The
// script's end ends it whatever the handler would say.
TEST_F(Loop, AQuitLineAsksTheCloseHandlerAndTheScriptsEndStillEnds) {
  EXPECT_FATAL(VXsetclosehandler("nothere"), "getname: Couldn't find |function| named |nothere|\n",
               vxtest::banner() + "getname: Couldn't find |function| named |nothere|\n");
  const FunctionEntry table[] = {{"asked", asked}, {"forget", forget}};
  VXsetfunctiontable(table, 2);
  vxtest::writefile("test.inf",
                    "window(Main 0 0 640 480 black white black 0 1 0)\n"
                    "button(b |B| 10 10 60 20 black dgray lgray forget 1 1 0 C)\n");
  const char* scripts[][2] = {
      {"quit\nquit\nclick 40 20\nquit\nclick 40 20\n", "close Main\nclose Main\nforget\n"},
      {"quit\n", "close Main\n"},
  };
  for (const auto& [script, out] : scripts) {
    vxtest::writefile("s.replay", script);
    EXPECT_EXIT(
        {
          vxtest::capturestdout();
          VXinterfaceinit("t", "test.inf", BSTORE, "w", 16, nullptr, nullptr,
                          "--vx-backend=headless --vx-replay=s.replay", 0);
          VXsetclosehandler("ASKED");
          VXmainloop();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(vxtest::readfile(vxtest::STDOUTFILE), out);
  }
}

}  // namespace
