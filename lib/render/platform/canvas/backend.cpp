// The canvas back-end, for programs built with emscripten: the framebuffer shown in the
// page's <canvas>, pointer and key events from the page. The page's side is
// canvas/page.js, linked in with the library; this file only calls it.
//
// The program keeps its own event loop, as on the desktop: VXmainloop never returns and
// a callback may call VXprocessevents to dispatch more events inside itself. A browser
// hands events only to a program that has returned, so the program is built with
// ASYNCIFY: a wait with nothing to hand out unwinds the whole stack to the browser and
// winds it back when a message or the timeout comes. Rewriting the program as callbacks
// of the browser's loop would break nested dispatch, and threads would need a page
// served with cross-origin isolation and still block the page's own thread.
#include "render/platform/backend.h"

#include <emscripten.h>

#include <algorithm>
#include <climits>

#include "render/platform/framebuffer.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"

// The page's side, through Module.vxcanvas. Messages cross as four integers: kind,
// x, y and key.
// NOLINTBEGIN
EM_JS(int, canvasopen, (const char* title, int scale),
      { return Module.vxcanvas.open(UTF8ToString(title), scale); });
EM_JS(void, canvasclose, (), { Module.vxcanvas.close(); });
EM_JS(void, canvaspresent, (const void* pixels), { Module.vxcanvas.present(pixels); });
EM_JS(int, canvaspoll, (int* message), { return Module.vxcanvas.poll(message); });
EM_ASYNC_JS(void, canvassleep, (int timeout), { await Module.vxcanvas.sleep(timeout); });
EM_JS(double, canvasclock, (), { return Module.vxcanvas.clock(); });
EM_JS(void, canvasbeep, (), { Module.vxcanvas.beep(); });
// NOLINTEND

namespace vx::platform {

namespace {

bool open(const char* title, const Options& asked) {
  return canvasopen(title, asked.scale == AUTOSCALE ? 0 : asked.scale) != 0;
}

const char* error() { return "the page has no <canvas id=\"canvas\">"; }

void close() { canvasclose(); }

void present() {
  framechanged = false;
  canvaspresent(framebuffer);
}

bool take(Message* message) {
  int fields[4] = {};
  if (canvaspoll(fields) == 0) return false;
  message->kind = static_cast<MessageKind>(fields[0]);
  message->x = fields[1];
  message->y = fields[2];
  message->key = static_cast<std::uint8_t>(fields[3]);
  return true;
}

// Only a wait that has nothing to hand out goes back to the browser; a wait without a
// limit leaves the page without a timer.
bool wait(Message* message, unsigned long timeout) {
  if (take(message)) return true;
  if (timeout == 0) return false;
  canvassleep(timeout == FOREVER
                  ? -1
                  : static_cast<int>(std::min(timeout, static_cast<unsigned long>(INT_MAX))));
  return take(message);
}

unsigned long clock() { return static_cast<unsigned long>(canvasclock()); }

void beep() { canvasbeep(); }

// A page cannot move the pointer; the library's own position moves all the same.
void setpointer(int, int) {}

int mousepresent() { return 1; }

}  // namespace

const Backend canvasbackend = {open,  error, close,      present,     wait,
                               clock, beep,  setpointer, mousepresent};

}  // namespace vx::platform
