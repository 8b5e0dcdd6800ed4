// A window's loop sleeps while nothing needs the timer, and its ticks come back on
// schedule when something does: a held repeat button, a per-event function. The
// recording keeps the time slept. The program runs in a child on a private X server.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/child.h"
#include "support/fixture.h"
#include "support/xserver.h"
#include "vx.h"

// After GoogleTest: Xlib's macros would break its templates.
// clang-format off
#include <X11/extensions/XTest.h>
// clang-format on

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* TITLE = "vx sleep probe";

long now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
      .count();
}

int out = -1;
int ticks = 0;

void report(const char* what) {
  std::string line = vxtest::numbered(std::string(what) + " ", now()) + "\n";
  if (write(out, line.data(), line.size()) < 0) _exit(3);
}

int repeated(const char*) {
  report("repeat");
  return 0;
}

int started(const char*) {
  ticks = 0;
  VXactivatefunction("tick");
  return 0;
}

int ticked(int, int, int) {
  if (++ticks < 50) return 0;
  report("ticks");
  VXdeactivatefunction("tick");
  return 0;
}

[[noreturn]] void runloop(int pipe) {
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  out = pipe;
  static const FunctionEntry table[] = {
      {"repeated", repeated}, {"started", started}, {"tick", ticked}};
  VXsetfunctiontable(table, 3);
  vxtest::writefile("sleep.inf",
                    "window(root 0 0 640 480 black white black 0 1 0)\n"
                    "button(rep |R| 100 100 80 40 black dgray lgray repeated 1 1 1 C)\n"
                    "button(go |G| 300 100 80 40 black dgray lgray started 1 1 0 C)\n"
                    "function(tick 0 0)\n");
  VXinterfaceinit(TITLE, "sleep.inf", BSTORE, "w", 16, nullptr, nullptr,
                  "app --vx-backend=sdl --vx-scale=1 --vx-record=rec.txt", 1);
  VXmainloop();
}

// The time on the child's next line that starts with `what`, or -1.
long await(int in, const char* what) {
  static std::string seen;
  auto deadline = Clock::now() + std::chrono::seconds(20);
  for (;;) {
    std::size_t at = seen.find(std::string(what) + " ");
    std::size_t end = at == std::string::npos ? at : seen.find('\n', at);
    if (end != std::string::npos) {
      long time = std::atol(seen.c_str() + at + std::string(what).size() + 1);
      seen.erase(0, end + 1);
      return time;
    }
    pollfd p{in, POLLIN, 0};
    char buffer[256];
    if (Clock::now() > deadline || poll(&p, 1, 100) < 0) return -1;
    if ((p.revents & POLLIN) == 0) continue;
    ssize_t n = read(in, buffer, sizeof buffer);
    if (n <= 0) return -1;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
}

long wakeups(pid_t pid) {
  long total = 0;
  for (const auto& task :
       std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
    std::ifstream status(task.path() / "status");
    std::string word;
    while (status >> word)
      if (word == "voluntary_ctxt_switches:") {
        long n = 0;
        status >> n;
        total += n;
      }
  }
  return total;
}

// Ends the child however the test ends.
struct Child {
  pid_t pid = -1;
  ~Child() {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
};

class Sleep : public vxtest::VxTest {
 protected:
  void SetUp() override {
    vxtest::VxTest::SetUp();
    if (const char* was = std::getenv("DISPLAY")) previous_ = was;
    if (!server_.start()) GTEST_SKIP() << "Xvfb could not be started";
    setenv("DISPLAY", server_.display().c_str(), 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
  }
  void TearDown() override {
    if (previous_.empty()) {
      unsetenv("DISPLAY");
    } else {
      setenv("DISPLAY", previous_.c_str(), 1);
    }
    vxtest::VxTest::TearDown();
  }

  vxtest::XServer server_;
  std::string previous_;
};

TEST_F(Sleep, TheLoopSleepsUntilSomethingNeedsTheTimer) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  Child child;
  child.pid = fork();
  ASSERT_GE(child.pid, 0);
  if (child.pid == 0) {
    close(fds[0]);
    runloop(fds[1]);
  }
  close(fds[1]);
  // A request on a window that is not there yet must not end the test program.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  Display* display = XOpenDisplay(server_.display().c_str());
  ASSERT_NE(display, nullptr);
  Window window = vxtest::awaitwindow(display, TITLE, 20);
  ASSERT_NE(window, 0u);
  int rootx = 0, rooty = 0;
  Window ignored;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &rootx, &rooty,
                        &ignored);
  auto click = [&](int x, int y, bool down) {
    XTestFakeMotionEvent(display, -1, rootx + x, rooty + y, 0);
    XTestFakeButtonEvent(display, 1, down ? True : False, 0);
    XFlush(display);
  };

  // Idle: no wake-ups, where ticks would bring 50.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  long before = wakeups(child.pid);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_LT(wakeups(child.pid) - before, 10);

  // Held, the repeat button calls back after a second, then half a second later.
  long pressed = now();
  click(140, 120, true);
  long first = await(fds[0], "repeat");
  long second = await(fds[0], "repeat");
  click(140, 120, false);
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  // (Two clocks read in whole milliseconds may differ by one.)
  EXPECT_GE(first - pressed, 999);
  EXPECT_GE(second - first, 499);

  // An active per-event function gets its 50 calls from about half a second of ticks
  // (a few other events may bring calls too); it then turns itself off and the loop
  // sleeps again.
  click(340, 120, true);
  long start = now();
  click(340, 120, false);
  long fifty = await(fds[0], "ticks");
  ASSERT_GT(fifty, 0);
  EXPECT_GE(fifty - start, 400);
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  long idle = now();

  vxtest::pressclosebox(display, window);
  int ended = vxtest::awaitexit(child.pid, 20);
  child.pid = -1;
  ASSERT_EQ(ended, 0) << "the window did not close well";
  close(fds[0]);
  XCloseDisplay(display);

  // The time slept since the last release is in the recording, as ticks would have been.
  std::string record = vxtest::readfile("rec.txt");
  std::size_t release = record.rfind("release ");
  ASSERT_NE(release, std::string::npos) << record;
  long waited = 0;
  for (std::size_t at = record.find("wait ", release); at != std::string::npos;
       at = record.find("wait ", at + 1))
    waited += std::atol(record.c_str() + at + 5);
  EXPECT_GE(waited, idle - fifty + 400) << record;
}

}  // namespace
