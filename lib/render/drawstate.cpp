// Remembering and restoring the font, colour and line width.
#include "render/drawstate.h"

#include "render/platform/platform.h"

namespace vx {

DrawState rememberdrawstate() { return {VXPgetfont(), VXPgetcolor(), VXPgetlinewidth()}; }

void restoredrawstate(const DrawState& s) {
  VXPsetfont(s.font);
  VXPsetcolor(s.color);
  VXPsetlinewidth(s.linewidth);
}

}  // namespace vx
