// Library-wide values that the description file may set.
#pragma once

#include "model/model.h"

namespace vx {

// Button style of the buttonstuff statement (all 0 until the file sets them).
extern Color framecolor;
extern Color lightcolor;
extern Color darkcolor;
extern int crossout;

// Multiplier for auto-repeat timing; 1 unless the speedup statement changes it.
extern int repeatspeed;

// The function called on every repaint: null means the library's own full redraw.
extern const FunctionEntry* redrawfunction;

// Puts every value back to its default.
void resetsettings();

}  // namespace vx
