// Keys: the two the library keeps for itself and the application's keyboard handler.
#pragma once

namespace vx {

// A KEYPRESS with the pointer at (x, y): Control-Q ends the program, Control-T switches
// VXmovepointer's step, every other key goes to the keyboard handler, if one is set,
// with the position relative to the current window.
void processkey(int x, int y, int key);

}  // namespace vx
