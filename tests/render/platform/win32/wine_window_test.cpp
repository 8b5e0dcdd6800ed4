// The demonstration cross-built for Windows, in its native window under Wine on a private
// X server, driven through the X server as a user drives it: the window shows, pixel for
// pixel, what the demonstration run headless here shows after the same clicks, drag and
// keys; Quit ends it with status 0, and so does the close box, through its close handler.
// Runs when VX_WINDOWS_BUILD names the cross-build's folder.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "render/platform/framebuffer.h"
#include "support/child.h"
#include "support/demo_fixture.h"
#include "support/xserver.h"

// After GoogleTest: Xlib's macros (None, Bool, ...) would break its templates.
// clang-format off
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// clang-format on

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
// Generous bounds, not timing checks: Wine's first start in a new prefix takes seconds.
constexpr int PATIENCE = 60;
constexpr const char* TITLE = "Varnex Interface Library (ZEF) Test";

// Wine's loader: Debian keeps wine64 out of PATH.
std::string findwine() {
  for (const char* wine : {"/usr/lib/wine/wine64", "/usr/bin/wine64", "/usr/bin/wine"})
    if (access(wine, X_OK) == 0) return wine;
  return "";
}

// Starts one of Wine's programs on `arguments` with its own prefix, its diagnostics
// silenced and its output in `output`: the process id.
pid_t startwine(const std::string& program, const std::string& prefix, const std::string& display,
                const std::vector<std::string>& arguments, const std::string& output) {
  pid_t child = fork();
  if (child != 0) return child;
  setenv("WINEPREFIX", prefix.c_str(), 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("DISPLAY", display.c_str(), 1);
  // No offer to install .NET or a browser engine into the prefix.
  setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
  int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  dup2(out, 1);
  dup2(out, 2);
  std::vector<std::string> words = arguments;
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

// Makes the Wine prefix in the build's folder once; test processes that find it making
// wait for it. "" when it stands, else why not.
std::string makeprefix(const std::string& wine, const std::string& prefix,
                       const std::string& display) {
  int lock = open((prefix + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
  if (lock < 0 || flock(lock, LOCK_EX) != 0) return "cannot lock " + prefix + ".lock";
  std::string why;
  if (!fs::exists(prefix + "/system.reg")) {
    std::string log = fs::absolute("wineboot.txt").string();
    int status =
        vxtest::awaitexit(startwine(wine, prefix, display, {"wineboot", "--init"}, log), 300);
    // The registry is written when the server ends, a few seconds after the last program.
    std::string server = (fs::path(wine).parent_path() / "wineserver").string();
    if (status == 0 && access(server.c_str(), X_OK) == 0)
      status = vxtest::awaitexit(startwine(server, prefix, display, {"-w"}, log + ".server"), 300);
    if (status != 0 || !fs::exists(prefix + "/system.reg"))
      why = vxtest::numbered("wineboot ended with status ", status) +
            " and no system.reg; it said:\n" + vxtest::readfile(log);
  }
  close(lock);
  return why;
}

class Win32Window : public vxtest::DemoTest {
 protected:
  void SetUp() override {
    // Read before the test moves to its own folder.
    const char* build = std::getenv("VX_WINDOWS_BUILD");
    if (build != nullptr && *build != '\0') build_ = fs::absolute(build).string();
    DemoTest::SetUp();
    if (build_.empty())
      GTEST_SKIP() << "VX_WINDOWS_BUILD does not name the Windows cross-build's folder";
    wine_ = findwine();
    ASSERT_NE(wine_, "") << "Wine is not installed (Debian: wine64): no /usr/lib/wine/wine64";
    ASSERT_TRUE(server_.start()) << "Xvfb could not be started";
    std::string why = makeprefix(wine_, build_ + "/wineprefix", server_.display());
    ASSERT_EQ(why, "") << "Wine could not make its prefix " << build_ << "/wineprefix: " << why;
    // A folder of its own: its logs are not the headless demonstration's.
    fs::create_directory("windows");
    for (const char* file : {"zeftest.exe", "zeftest.inf", "logo.rl4", "version.txt"})
      fs::copy_file(fs::path(build_) / "demo" / file, fs::path("windows") / file);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    display_ = XOpenDisplay(server_.display().c_str());
    ASSERT_NE(display_, nullptr);
  }

  void TearDown() override {
    if (child_ > 0) vxtest::awaitexit(child_, 0);
    if (display_ != nullptr) XCloseDisplay(display_);
    DemoTest::TearDown();
  }

  // Starts the demonstration and waits for its window to show the headless frame: the
  // window's scale, or 0.
  int startdemo(const std::vector<std::string>& options) {
    std::vector<std::string> arguments{"windows/zeftest.exe"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    // The pointer away from where the window will be: a motion over the drawing would show
    // its position there, and not headless.
    XTestFakeMotionEvent(display_, -1, 0, 0, 0);
    XFlush(display_);
    child_ = startwine(wine_, build_ + "/wineprefix", server_.display(), arguments, "wine.txt");
    window_ = vxtest::awaitwindow(display_, TITLE, PATIENCE);
    if (window_ == 0) return 0;
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window_, &attributes);
    Window ignored;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &rootx_, &rooty_,
                          &ignored);
    scale_ = attributes.width / 640;
    if (attributes.width != 640 * scale_ || attributes.height != 480 * scale_) return 0;
    return showsframe() ? scale_ : 0;
  }

  // Whether the window shows the framebuffer of the headless run, each pixel scale x scale;
  // waits for it until patience runs out.
  bool showsframe() {
    auto deadline = Clock::now() + std::chrono::seconds(PATIENCE);
    for (;;) {
      XImage* image =
          XGetImage(display_, window_, 0, 0, 640 * scale_, 480 * scale_, AllPlanes, ZPixmap);
      bool same = image != nullptr;
      for (int y = 0; y < 480 * scale_ && same; ++y)
        for (int x = 0; x < 640 * scale_ && same; ++x)
          if ((XGetPixel(image, x, y) & 0xFFFFFF) !=
              vx::platform::framebuffer[y / scale_ * 640 + x / scale_]) {
            same = false;
            difference_ = vxtest::numbered("first difference at ", x) + "," + std::to_string(y);
          }
      if (image != nullptr) XDestroyImage(image);
      if (same || Clock::now() > deadline) return same;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }

  // The same input to Wine's window, through the X server, and to the headless run.
  void moveboth(int x, int y) {
    XTestFakeMotionEvent(display_, -1, rootx_ + x * scale_ + scale_ / 2,
                         rooty_ + y * scale_ + scale_ / 2, 0);
    move(x, y);
  }
  void pressboth(int x, int y) {
    moveboth(x, y);
    XTestFakeButtonEvent(display_, 1, True, 0);
    press(x, y);
  }
  void releaseboth(int x, int y) {
    moveboth(x, y);
    XTestFakeButtonEvent(display_, 1, False, 0);
    release(x, y);
  }
  void clickboth(int x, int y) {
    pressboth(x, y);
    releaseboth(x, y);
  }
  void keyboth(KeySym symbol, int code) {
    KeyCode keycode = XKeysymToKeycode(display_, symbol);
    XTestFakeKeyEvent(display_, keycode, True, 0);
    XTestFakeKeyEvent(display_, keycode, False, 0);
    key(code);
  }

  vxtest::XServer server_;
  std::string build_, wine_, difference_;
  Display* display_ = nullptr;
  Window window_ = 0;
  pid_t child_ = -1;
  int scale_ = 1, rootx_ = 0, rooty_ = 0;
};

// Shape's filling and border on, a rectangle dragged in the drawing, a word typed and
// corrected on the text line: the same pixels as headless. Then Quit.
TEST_F(Win32Window, ShowsTheDemonstrationTakesADragAndKeysAndQuits) {
  // auto: a 1400 x 1100 screen has room for scale 2, not 3.
  ASSERT_EQ(startdemo({"--vx-record=rec.txt"}), 2)
      << "no window titled " << TITLE << " showing the demonstration (" << difference_
      << "); Wine said:\n"
      << vxtest::readfile("wine.txt");
  clickboth(257, 60);
  clickboth(260, 86);
  clickboth(260, 101);
  clickboth(600, 300);
  // The system keeps only the last of the motions waiting, as Windows does: each is seen
  // before the next is made. The first motion begins the drag, the band follows the next.
  pressboth(60, 140);
  moveboth(100, 170);
  XFlush(display_);
  EXPECT_TRUE(showsframe()) << difference_;
  moveboth(220, 250);
  XFlush(display_);
  EXPECT_TRUE(showsframe()) << difference_;
  releaseboth(220, 250);
  moveboth(200, 380);
  XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
  keyboth(XK_w, 'w');
  keyboth(XK_i, 'i');
  keyboth(XK_x, 'x');
  keyboth(XK_BackSpace, 8);
  keyboth(XK_n, 'n');
  XFlush(display_);
  EXPECT_TRUE(showsframe()) << difference_ << vxtest::readfile("rec.txt");
  // A rectangle, filled and bordered, where the drawing was white.
  EXPECT_NE(pixel(140, 200), color("white"));
  EXPECT_NE(pixel(100, 170), color("white"));

  // The demonstration's memory in Wine's window, for the record.
  std::string status = vxtest::readfile("/proc/" + std::to_string(child_) + "/status");
  std::size_t at = status.find("VmRSS:");
  if (at != std::string::npos)
    RecordProperty("rss_kb", static_cast<int>(std::strtol(status.c_str() + at + 6, nullptr, 10)));

  // Quit, in Wine's window only.
  XTestFakeMotionEvent(display_, -1, rootx_ + 571 * scale_, rooty_ + 60 * scale_, 0);
  XTestFakeButtonEvent(display_, 1, True, 0);
  XTestFakeButtonEvent(display_, 1, False, 0);
  XFlush(display_);
  EXPECT_EQ(vxtest::awaitexit(child_, PATIENCE), 0) << vxtest::readfile("wine.txt");
  child_ = -1;
}

// The close box asks the close handler, Quit's own function: the program ends with status
// 0, the session recorded up to the quit. A scale that does not fit is made smaller and
// said in the log.
TEST_F(Win32Window, TheCloseBoxEndsItThroughItsCloseHandler) {
  ASSERT_EQ(startdemo({"--vx-scale=3", "--vx-record=session.txt"}), 2)
      << "no window titled " << TITLE << " showing the demonstration (" << difference_
      << "); Wine said:\n"
      << vxtest::readfile("wine.txt");
  vxtest::pressclosebox(display_, window_);
  EXPECT_EQ(vxtest::awaitexit(child_, PATIENCE), 0) << vxtest::readfile("wine.txt");
  child_ = -1;
  // Text files written on Windows end their lines with LF, as everywhere.
  std::string record = vxtest::readfile("session.txt");
  EXPECT_TRUE(record.ends_with("\nquit\n")) << record;
  std::string log = vxtest::readfile("windows/output.log");
  EXPECT_TRUE(log.starts_with("--vx-scale=3: a ")) << log;
  EXPECT_TRUE(
      log.ends_with(" window does not fit the screen, which has room for 1400 x 1100; "
                    "the scale is 2\n"))
      << log;
}

}  // namespace
