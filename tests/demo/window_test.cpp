// The demonstration in a real window on a private X server: its title, and a rectangle
// drawn with the mouse through the sdl back-end, read back from the screen.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/demo_fixture.h"
#include "support/xserver.h"

// clang-format off
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
// clang-format on

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* TITLE = "Varnex Interface Library (ZEF) Test";

class DemoWindow : public vxtest::VxTest {};

unsigned long screenpixel(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return value;
}

// Waits until the test holds, or 20 s have passed.
template <typename Test>
bool await(Test test) {
  auto deadline = Clock::now() + std::chrono::seconds(20);
  while (!test()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

TEST_F(DemoWindow, OpensWithItsTitleAndDrawsWhatTheMouseDrags) {
  vxtest::XServer server;
  if (!server.start()) GTEST_SKIP() << "Xvfb could not be started";
  vxtest::installdemo();
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    setenv("DISPLAY", server.display().c_str(), 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The D-Bus client SDL starts keeps its connection data until the process ends; the
    // program's own leaks are looked for in the tests that run it in-process.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    execl("./zeftest", "zeftest", "--vx-backend=sdl", "--vx-scale=1", static_cast<char*>(nullptr));
    _exit(127);
  }
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  Display* display = XOpenDisplay(server.display().c_str());
  ASSERT_NE(display, nullptr);
  Window window = vxtest::awaitwindow(display, TITLE, 20);
  ASSERT_NE(window, 0u) << "no window titled " << TITLE;

  // Shown once the swatch (red) and the drawing (white) differ.
  unsigned long swatch = 0, blank = 0;
  EXPECT_TRUE(await([&] {
    swatch = screenpixel(display, window, 180, 60);
    blank = screenpixel(display, window, 150, 200);
    return swatch != blank && blank != 0;
  }));

  int rootx = 0, rooty = 0;
  Window ignored;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &rootx, &rooty,
                        &ignored);
  auto moveto = [&](int x, int y) { XTestFakeMotionEvent(display, -1, rootx + x, rooty + y, 0); };
  auto click = [&](int x, int y) {
    moveto(x, y);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
  };
  click(257, 60);  // Shape: fill on, then close the menu
  click(260, 86);
  click(600, 300);
  moveto(100, 150);
  XTestFakeButtonEvent(display, 1, True, 0);
  for (int step = 1; step <= 10; step++) moveto(100 + step * 10, 150 + step * 10);
  XTestFakeButtonEvent(display, 1, False, 0);
  XFlush(display);
  EXPECT_TRUE(await([&] { return screenpixel(display, window, 150, 200) == swatch; }))
      << "no rectangle where the mouse dragged";

  // The close box ends it well.
  vxtest::pressclosebox(display, window);
  int status = 0;
  bool ended = await([&] { return waitpid(child, &status, WNOHANG) == child; });
  if (!ended) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  EXPECT_TRUE(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  XCloseDisplay(display);
}

}  // namespace
