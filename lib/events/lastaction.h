// The record of what the user did last, as mouse handling writes it.
#pragma once

#include "vx.h"

namespace vx {

// kind 0 (nothing chosen: value -1), 1 (a button or drag area: `text` is its name) or 2
// (a popup item: `value` is its index); `name` is the window's or popup's name. The
// time is now, as "%H:%M:%S". Texts are cut to 80 characters.
void recordaction(int kind, const char* name, const char* text, int value = -1);

// The record, for the operations that read and clear it.
LastAction& lastaction();

}  // namespace vx
