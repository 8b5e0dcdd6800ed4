// Windows as pixels: the current window and its clip, backgrounds, borders, graphics
// and the two-colour frame.
#pragma once

#include "model/model.h"

namespace vx {

// The window whose left and top window-relative drawing adds; 0 at start.
int currentwindowindex();

// The current window's record; null while the model holds no window.
const Window* currentwindowrecord();
// Makes window w current and clips all drawing to its interior. An index outside the
// table changes nothing.
void setcurrentwindow(int w);

// Background, border, the buttons that are not hidden, then the graphics. Leaves w
// current.
void drawwindow(int w);
// The border in colour c, one outline per pixel of border width. Leaves w current.
void drawborder(int w, Color c);

// One graphic, in the current window.
void drawgraphic(const Graphic& g);

// A frame two pixels wide just outside the rectangle (current window coordinates):
// top and left in c1, bottom and right in c2.
void drawframe(int x, int y, int width, int height, Color c1, Color c2);

}  // namespace vx
