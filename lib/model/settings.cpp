// Library-wide values that the description file may set.
#include "model/settings.h"

namespace vx {

Color framecolor = 0;
Color lightcolor = 0;
Color darkcolor = 0;
int crossout = 0;
int repeatspeed = 1;
const FunctionEntry* redrawfunction = nullptr;

void resetsettings() {
  framecolor = 0;
  lightcolor = 0;
  darkcolor = 0;
  crossout = 0;
  repeatspeed = 1;
  redrawfunction = nullptr;
}

}  // namespace vx
