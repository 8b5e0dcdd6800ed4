// Mouse handling: buttons, auto-repeat, drag areas and popup choice, as the dispatcher
// calls it. Only windows at the shown level take part.
#pragma once

namespace vx {

// The entries, for BUTTONPRESS, BUTTONRELEASE and MOTION; they use the pointer and
// previous pointer positions the dispatcher keeps.
void processbuttondown();
void processbuttonup();
void processmotion();

// Tracks the drag areas under (x, y): DRAGLEAVE to those it left, DRAGINSIDE to each
// it is in. More than MAXOVERLAP at once is fatal.
void processmouseinside(int x, int y);

// Whether (x, y) lies strictly inside button b of window w (its border pixels are out).
bool insidebutton(int x, int y, int w, int b);

// From the cursors on, the next button of a window at the shown level that holds
// (x, y), whatever its kind and state; true with the cursors on it. Add 1 to the button
// cursor to go on after a hit.
bool nextbuttonat(int x, int y, int* w, int* b);

// A position relative to button b of window w (its window's left and top plus its
// own), as drag callbacks receive it; the nearest int when it is beyond one.
int relativex(int x, int w, int b);
int relativey(int y, int w, int b);

// For the open popup: the shown item on the row under (x, y) when the point lies in its
// rectangle (edges included), else -1.
int popuphit(int x, int y);

// A release while a popup is open, on item k (-1 for none) at row y: a choice (true), or
// a dismissal or a disabled item (false).
bool processpopupchoice(int y, int k);

// Forgets the drag areas the pointer is inside, without calls.
void forgetinside();

}  // namespace vx
