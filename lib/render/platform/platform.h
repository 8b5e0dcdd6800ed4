// The graphics platform layer: the only code that talks to the window system.
#pragma once

// Releases every drawing resource and closes the window; harmless when none is open.
void VXPclose();

// Sleeps for the given number of milliseconds (nothing for 0 or less).
void VXPdelay(int milliseconds);
