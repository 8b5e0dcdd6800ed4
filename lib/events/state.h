// The event layer's state, all of it: the pointer, the press being held, the drag areas
// under the pointer, the keyboard and close handlers and the record of the last action.
#pragma once

#include <array>

#include "vx.h"

namespace vx {

// The press being held, owned by the button handling.
struct Press {
  bool pressed = false;  // a press is being held
  int window = 0;        // the button or drag area it took
  int button = 0;
  int savedwindow = 0;       // the current window at the press
  bool highlighted = false;  // the pressed button is drawn sunken
  bool dragging = false;     // a drag has begun in the pressed drag area
  int pressx = 0;            // the pointer at a press on a drag area
  int pressy = 0;
  bool firstrepeat = false;       // the repeat stopwatch has not started yet
  int repeatcount = 0;            // repeat calls made during this press
  unsigned long repeatdelay = 0;  // milliseconds until the next repeat call
};

// A drag area the pointer is inside: window and button, or -1 for a free slot.
struct AreaSlot {
  int w = -1;
  int b = -1;
};

// How many drag areas the pointer may be inside at once; one more is fatal.
constexpr int MAXOVERLAP = 10;

struct EventState {
  // Where the pointer is, in main-window pixels: the position of the last event that was
  // not an expose, or where VXmovepointer put it.
  int pointerx = 0;
  int pointery = 0;
  // The position before the event being dispatched; mouse handling compares with it.
  int previousx = 0;
  int previousy = 0;
  Press press;
  std::array<AreaSlot, MAXOVERLAP> inside{};
  const FunctionEntry* keyhandler = nullptr;
  const FunctionEntry* closehandler = nullptr;  // asked instead of ending at the quit message
  bool fastpointer = false;  // Control-T: the arrow keys move the pointer further
  LastAction lastaction{};
};

extern EventState events;

// Everything as an interface just brought up has it: no press, no drag area under the
// pointer, no keyboard or close handler, no last action.
void resetevents();

}  // namespace vx
