// Buttons and drag areas as pixels: face, 3-D edges, label, arrow, cross-out, and the
// sunken and raised looks of a press.
#pragma once

#include "render/platform/platform.h"

namespace vx {

// The whole button, or with labelonly set just its label, arrow and cross-out. Draws
// hidden buttons too; neither sets nor restores the current window.
void drawbutton(int w, int b, bool labelonly);
// Where a button's label and arrow go, in the coordinates of its box (x, y, w, h).
struct LabelPlace {
  int lines = 0;  // 1, or 2 for a label broken by "@"
  // Each line's left end, baseline and width, in the font selected.
  VXPcoord left[2] = {}, baseline[2] = {};
  int width[2] = {};
  // The filled triangle, a square of side arrowside at (arrowleft, arrowtop); drawn only
  // on a one-line label.
  bool arrow = false;
  VXPcoord arrowleft = 0, arrowtop = 0, arrowside = 0;
};
// Measures the label (escapes removed, not "@@") in the font selected, as drawbutton
// draws it; tools that check a description ask the same.
LabelPlace placelabel(VXPcoord x, VXPcoord y, VXPcoord w, VXPcoord h, const char* label, int arrow,
                      int justify);

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
