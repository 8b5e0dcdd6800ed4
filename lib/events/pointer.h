// Where the pointer is, in main-window pixels; the dispatcher keeps it.
#pragma once

namespace vx {

extern int pointerx;
extern int pointery;

}  // namespace vx
