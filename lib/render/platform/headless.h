// The headless back-end's controls, for tests and tools: an event queue, the virtual
// clock, and what the program asked of the devices.
#pragma once

#include <cstdint>

namespace vx::platform::headless {

// Queued messages come out of VXPgetevent in order, before the replay script's next line.
// Unlike script actions they bring no tick of their own: push ticks where time passes.
void pushpress(int x, int y);
void pushrelease(int x, int y);
void pushmove(int x, int y);
void pushkey(std::uint8_t code);
void pushexpose();
void pushtick(long count = 1);  // each tick is a MOTION and 10 ms of virtual time
void pushquit();

// Virtual milliseconds since the window opened.
unsigned long time();

// Beeps since the window opened.
int beeps();

// The last position VXPsetpointer asked for; false when it was never asked.
bool pointer(int* x, int* y);

// Test mode (VXteststart): windows open headless whatever their command line asks, and
// when nothing is left to hand out time passes a tick at a time instead of the program
// quitting, so that a callback's VXprocessevents returns to the test.
void settesting(bool on);
bool testing();

// Whether the pump has something left before it runs dry: the window's first paint, a
// queued message or tick, or a script line. Screenshot lines reached on the way are
// carried out, as handing out the next event would.
bool pending();

}  // namespace vx::platform::headless
