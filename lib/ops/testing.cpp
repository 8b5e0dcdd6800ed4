// The test driver of vx_test.h: the application's own start-up brought up headless,
// input queued on the headless back-end, and the event loop run until it is handled.
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/log.h"
#include "events/dispatch.h"
#include "events/loop.h"
#include "render/platform/platform.h"
#include "vx_test.h"

namespace headless = vx::platform::headless;

namespace {

// The longest drag, as a replay script's: a step count that is a slip should not queue
// millions of events.
constexpr int MAXSTEPS = 10000;

// Posting and running need the window a test brought up; without it the events would
// wait in a queue nobody reads.
void requireup(const char* function) {
  if (!headless::testing())
    vx::fatal("%s: not in test mode; call VXteststart before the application's start-up\n",
              function);
  if (!headless::active())
    vx::fatal("%s: no interface is up; call the application's start-up after VXteststart\n",
              function);
}

void requirepoint(const char* function, int x, int y) {
  for (int value : {x, y})
    if (value < INT16_MIN || value > INT16_MAX)
      vx::fatal("%s: the coordinate %d is outside -32768 to 32767\n", function, value);
}

// A file that the test cannot use is the test's result, not the end of the process.
__attribute__((format(printf, 1, 2))) void complain(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  std::fputs(text, stderr);
  std::fflush(stderr);
  VXerror(0, "%s", text);
}

bool writescreen(const char* function, const char* path) {
  if (vx::platform::writepng(path)) return true;
  complain("%s: Couldn't write |%.200s|: %s\n", function, path, std::strerror(errno));
  return false;
}

}  // namespace

void VXteststart(void) {
  headless::settesting(true);
  vx::setfatalpause(0);
}

void VXteststop(void) {
  VXPclose();
  vx::closelogs();
  headless::settesting(false);
  vx::setfatalpause(vx::FATALPAUSE);
}

void VXtestpress(int x, int y) {
  requireup("VXtestpress");
  requirepoint("VXtestpress", x, y);
  headless::pushpress(x, y);
}

void VXtestrelease(int x, int y) {
  requireup("VXtestrelease");
  requirepoint("VXtestrelease", x, y);
  headless::pushrelease(x, y);
}

void VXtestmove(int x, int y) {
  requireup("VXtestmove");
  requirepoint("VXtestmove", x, y);
  headless::pushmove(x, y);
}

void VXtestclick(int x, int y) {
  requireup("VXtestclick");
  requirepoint("VXtestclick", x, y);
  headless::pushpress(x, y);
  headless::pushrelease(x, y);
}

void VXtestdrag(int x1, int y1, int x2, int y2, int steps) {
  requireup("VXtestdrag");
  requirepoint("VXtestdrag", x1, y1);
  requirepoint("VXtestdrag", x2, y2);
  if (steps < 1 || steps > MAXSTEPS)
    vx::fatal("VXtestdrag: %d steps; a drag takes 1 to %d\n", steps, MAXSTEPS);
  headless::pushpress(x1, y1);
  // The moves of a replay script's drag line, computed the same way.
  for (long i = 1; i <= steps; i++)
    headless::pushmove(static_cast<int>(x1 + (long{x2} - x1) * i / steps),
                       static_cast<int>(y1 + (long{y2} - y1) * i / steps));
  headless::pushrelease(x2, y2);
}

void VXtestkey(int key) {
  requireup("VXtestkey");
  if (key < 0 || key > 255) vx::fatal("VXtestkey: the key code %d is outside 0 to 255\n", key);
  headless::pushkey(static_cast<std::uint8_t>(key));
}

void VXtesttype(const char* text) {
  requireup("VXtesttype");
  if (text == nullptr) vx::fatal("VXtesttype: no text (a null pointer)\n");
  for (const char* c = text; *c != '\0'; c++) headless::pushkey(static_cast<std::uint8_t>(*c));
}

void VXtestexpose(void) {
  requireup("VXtestexpose");
  headless::pushexpose();
}

void VXtestrun(int ticks) {
  requireup("VXtestrun");
  if (ticks < 0) vx::fatal("VXtestrun: %d ticks; the count is 0 or more\n", ticks);
  headless::pushtick(ticks);
  // What VXmainloop does first, once a window: its first paint comes before anything.
  if (vx::platform::firstpaintqueued()) vx::dispatchevent(vx::beginloop());
  while (headless::pending()) {
    Event event{};
    VXPgetevent(&event);
    vx::dispatchevent(event);
  }
}

int VXtestpixel(int x, int y) {
  if (x < 0 || x >= VXPWIDTH || y < 0 || y >= VXPHEIGHT) return -1;
  return VXPgetpixel(x, y);
}

int VXtestscreenshot(const char* path) {
  if (path == nullptr) vx::fatal("VXtestscreenshot: no file name (a null pointer)\n");
  return writescreen("VXtestscreenshot", path) ? 1 : 0;
}

int VXtestcompare(const char* path, int* x, int* y) {
  if (path == nullptr) vx::fatal("VXtestcompare: no file name (a null pointer)\n");
  int firstx = -1, firsty = -1;
  int differing = 0;
  const char* update = std::getenv("VX_UPDATE_GOLDENS");
  if (update != nullptr && *update != '\0') {
    if (!writescreen("VXtestcompare", path)) differing = -1;
  } else {
    std::string why;
    differing = vx::platform::comparepng(path, &firstx, &firsty, &why);
    if (differing < 0) complain("VXtestcompare: Couldn't read |%.200s|: %s\n", path, why.c_str());
  }
  if (x != nullptr) *x = firstx;
  if (y != nullptr) *y = firsty;
  return differing;
}

unsigned long VXtesttime(void) { return headless::time(); }

int VXtestbeeps(void) { return headless::beeps(); }
