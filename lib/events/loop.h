// The start of the event loop, shared by VXmainloop and the test driver (VXtestrun).
#pragma once

#include "vx.h"

namespace vx {

// What the loop does before it dispatches anything: the pointer at the screen's centre,
// the mouse checked, and whatever comes before the window's first paint dropped.
// Returns that paint, the first event to dispatch.
Event beginloop();

}  // namespace vx
