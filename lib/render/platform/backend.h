// The back-ends behind the platform layer: one table of functions each, as the rest of
// the layer sees them. The framebuffer and all drawing are shared (raster.h).
#pragma once

#include <cstdint>

namespace vx::platform {

// What a back-end hands to the event pump; the pump turns it into the Event record.
enum class MessageKind : std::uint8_t {
  paint,    // the window must be repainted
  press,    // left button down at (x, y)
  release,  // left button up at (x, y)
  move,     // pointer moved to (x, y)
  key,      // a key code
  other,    // anything else: a MOTION at the last position
  quit,     // the program must end normally
};

struct Message {
  MessageKind kind = MessageKind::other;
  int x = 0;
  int y = 0;
  std::uint8_t key = 0;
};

struct Backend {
  const char* name;
  // Opens the window (client area 640 x 480 times scale); false when it cannot, with
  // nothing left open.
  bool (*open)(const char* title, int scale);
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
extern const Backend headlessbackend;

// Why the sdl back-end could not open.
const char* sdlerror();

// The back-end of the open window; null while none is open.
extern const Backend* backend;

// The timer period.
constexpr unsigned long TICK = 10;

// A wait that only a message ends.
constexpr unsigned long FOREVER = ~0ul;

// Event pump state: forget earlier runs and queue the window's first paint.
void startevents();

// Whether the window's first paint is still to be handed out.
bool firstpaintqueued();

}  // namespace vx::platform
