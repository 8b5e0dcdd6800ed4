// The dispatcher: one event at a time to the mouse, keyboard and repaint handling.
#pragma once

#include "vx.h"

namespace vx {

// Keeps the pointer position, routes the event by type, lets an open popup's highlight
// follow the pointer, tracks the drag areas under it when it moved, and calls the
// per-event functions. Types outside EXPOSE to MOTION reach only the last three steps.
void dispatchevent(const Event& event);

// The repaint: the redraw function (the library's own full redraw unless the
// description names one), then the open popup on top; colour, line width and current
// window are as they were afterwards.
void processexpose();

// Every declared function whose per-event flag is set, in table order, with (x, y, 0).
void processeventfunctions(int x, int y);

}  // namespace vx
