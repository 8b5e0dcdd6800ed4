// The press being held: one for the library, owned by the button handling.
#pragma once

namespace vx {

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

extern Press press;

}  // namespace vx
