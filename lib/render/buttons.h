// Buttons and drag areas as pixels: face, 3-D edges, label, arrow, cross-out, and the
// sunken and raised looks of a press.
#pragma once

#include "render/platform/platform.h"

namespace vx {

// The whole button, or with labelonly set just its label, arrow and cross-out. Draws
// hidden buttons too; neither sets nor restores the current window.
void drawbutton(int w, int b, bool labelonly);
// The arrow triangle after a label of width textwidth that starts at x (the button's
// left when there is no text), in the colour drawbutton left.
void drawarrow(int w, int b, VXPcoord x, int textwidth, VXPcoord boxwidth, VXPcoord boxheight);

// A shaded button's edges, sunken or raised; face and label stay as they are.
void pressbutton(int w, int b);
void raisebutton(int w, int b);

// Paints the button's rectangle in its window's background colour, which stays the
// current colour; the caller makes the window current first.
void erasebutton(int w, int b);

// Under a modal window the active buttons of w become suspended, and come back
// afterwards; each changed button's label is redrawn. Drag areas are left alone.
void suspendbuttons(int w);
void resumebuttons(int w);

}  // namespace vx
