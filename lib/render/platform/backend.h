// The back-ends behind the platform layer, as the rest of the layer sees them: one table
// of functions each, found by name in one table of back-ends, and the event pump they
// feed. The framebuffer and all drawing are shared (framebuffer.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "render/platform/options.h"

namespace vx::platform {

// What a back-end hands to the event pump; the pump turns it into the Event record.
enum class MessageKind : std::uint8_t {
  paint,    // the window must be repainted
  press,    // left button down at (x, y)
  release,  // left button up at (x, y)
  move,     // pointer moved to (x, y)
  key,      // a key code
  other,    // anything else: a MOTION at the last position
  quit,     // the user asks to quit (the close box): the close handler decides
  end,      // the program must end normally (its events have run out)
};

struct Message {
  MessageKind kind = MessageKind::other;
  int x = 0;
  int y = 0;
  std::uint8_t key = 0;
};

struct Backend {
  // Opens the window (client area 640 x 480 times the options' scale), taking from the
  // options whatever else this back-end reads; false when it cannot, with nothing left
  // open.
  bool (*open)(const char* title, const Options& options);
  // Why the last open failed.
  const char* (*error)();
  // Releases whatever open obtained; harmless after a failed or partial open.
  void (*close)();
  // Shows the framebuffer and clears framechanged.
  void (*present)();
  // Waits at most timeout milliseconds (FOREVER: without a limit) for the next message;
  // false when the time ran out (a timer tick).
  bool (*wait)(Message* message, unsigned long timeout);
  // Milliseconds on the back-end's clock.
  unsigned long (*clock)();
  void (*beep)();
  void (*setpointer)(int x, int y);
  int (*mousepresent)();
};

extern const Backend sdlbackend;
extern const Backend win32backend;
extern const Backend canvasbackend;
extern const Backend headlessbackend;

// A back-end by the name --vx-backend= gives it, and the words that begin the fatal
// report when it cannot open.
struct BackendEntry {
  const char* name;
  const Backend* backend;
  const char* failure;
};

// Every back-end, in the order they are tried when none is named: the first that opens
// is used, and headless, which always opens, comes last.
extern const std::span<const BackendEntry> backends;

// The back-end of a name; null when none has it.
const BackendEntry* findbackend(std::string_view name);

// The back-end of the open window; null while none is open.
extern const Backend* backend;

// The timer period.
constexpr unsigned long TICK = 10;

// A wait that only a message ends.
constexpr unsigned long FOREVER = ~0ul;

// The largest scale --vx-scale=auto takes.
constexpr int MOSTSCALE = 8;

// The room a window has on the screen (what panels and docks leave of it), and the frame
// the window system puts around a window's drawing area.
struct Room {
  int width = 0;
  int height = 0;
  int framewidth = 0;
  int frameheight = 0;
};

// The largest scale up to `most` whose window, with its frame, fits the room; 1 when
// none does.
int fittingscale(const Room& room, int most);

// When a scale was asked for (not auto) and a smaller one taken, says so in the log.
void noticescale(const Room& room, int asked, int scale);

// Event pump state: forget earlier runs and queue the window's first paint.
void startevents();

}  // namespace vx::platform
