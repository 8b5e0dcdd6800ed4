// Where the pointer is, in main-window pixels; the dispatcher keeps it.
#pragma once

namespace vx {

// The position of the last event that was not an expose, or where VXmovepointer put it.
extern int pointerx;
extern int pointery;

// The position before the event being dispatched; mouse handling compares against it.
extern int previousx;
extern int previousy;

}  // namespace vx
