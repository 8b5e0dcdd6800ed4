// A private X server (Xvfb) for the tests that open real windows, and finding a window
// on it by its title.
#pragma once

#include <sys/types.h>

#include <string>

// After GoogleTest: Xlib's macros (None, Bool, ...) would break its templates.
// clang-format off
#include <X11/Xlib.h>
// clang-format on

namespace vxtest {

// A server on a display number it picks itself, with one screen of the size given
// (WIDTHxHEIGHTxDEPTH); stopped when this goes.
class XServer {
 public:
  bool start(const char* screen = "1400x1100x24");
  const std::string& display() const { return display_; }
  ~XServer();

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// The window under `parent` (itself included) with this title, or 0.
Window findwindow(Display* display, Window parent, const std::string& title);

// Waits up to `seconds` for a window with this title to be shown: the window, or 0. The
// window may be made more than once while SDL picks its renderer; this is the one shown.
Window awaitwindow(Display* display, const std::string& title, int seconds);

// Sends the window manager's delete request, as a click on the close box does.
void pressclosebox(Display* display, Window window);

}  // namespace vxtest
