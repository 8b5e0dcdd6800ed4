// Tests of input handling: an interface brought up headless from a description written
// by the test, callbacks that write down every call, and events handed to the
// dispatcher one at a time, as the event loop hands them.
#pragma once

#include <string>

#include "support/fixture.h"

namespace vxtest {

// Every callback row ("press", "menu", "drag", "tick", "tock", "keys", "dismiss",
// "redraw", "quit") is a recorder. A call is written down as the row's name and its
// arguments: press(ok), drag(10, 20, 1) or drag(10, 20, 3, pad), tick(5, 6, 0),
// dismiss(); a name callback made while a popup is open gets " [open]". "quit" ends the
// program with status 0 and writes "quit" on standard output.
// A root window with buttons (ok, a repeat button rep, under / over (inactive) / top
// overlapping, open with popup "menu") and two overlapping drag areas (pad, inner in
// it); a hidden window dialog; an ordinary popup "menu" (one, a hidden item, off
// disabled, two) and a check list "checks" (a, b checked), both dismissed through
// "dismiss"; the function "keys".
constexpr const char* INPUT =
    "popup(menu 400 100 peach black dgray black 0 dismiss)\n"
    "plabel(one 1 press |One|)\n"
    "plabel(hidden -1 press |Hidden|)\n"
    "plabel(off 0 press |Off|)\n"
    "plabel(two 1 press |Two|)\n"
    "popup(checks 400 300 white black dgray black 1 dismiss)\n"
    "plabel(a 1 press |A|)\n"
    "plabel(b 1 press |B| 1)\n"
    "window(root 0 0 640 480 black white black 0 1 0)\n"
    "button(ok |OK| 10 10 60 20 black dgray lgray press 1 1 0 C)\n"
    "button(rep |R| 100 10 40 20 black dgray lgray press 1 1 1 C)\n"
    "button(under |U| 200 10 60 20 black dgray lgray press 1 1 0 C)\n"
    "button(over |V| 220 10 60 20 black dgray lgray press 1 0 0 C)\n"
    "button(top |T| 240 10 60 20 black dgray lgray press 1 1 0 C)\n"
    "button(open |M| 320 10 60 20 black dgray lgray @menu 1 1 0 C)\n"
    "dragarea(pad 20 100 200 100 white drag 1)\n"
    "dragarea(inner 50 130 50 50 white drag 1)\n"
    "window(dialog 300 200 200 100 black lgray black 1 0 0)\n"
    "button(done |Done| 10 10 60 20 black dgray lgray quit 1 1 0 C)\n"
    "function(keys 0 0)\n";

class EventTest : public VxTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Brings the description up and dispatches the window's first paint.
  static void bringup(const std::string& text);

  // Each queues one event and dispatches it.
  static void press(int x, int y);
  static void release(int x, int y);
  static void move(int x, int y);
  static void key(int code);
  static void expose();
  static void click(int x, int y);  // a press and a release
  static void tick(int count = 1);  // timer ticks, 10 ms each

  // The calls written down since the last look, joined by "; ".
  static std::string calls();
};

}  // namespace vxtest
