// The 3-D edges of a shaded button.
#include "render/edges.h"

#include "model/state.h"
#include "render/platform/platform.h"

namespace vx {

void drawedges(VXPcoord x, VXPcoord y, VXPcoord w, VXPcoord h, bool sunken) {
  const Settings& s = modelstate.settings;
  VXPsetcolor(s.framecolor);
  VXPrect(x, y, w, h);
  VXPsetcolor(sunken ? s.darkcolor : s.lightcolor);
  VXPline(x + 1, y + 1, x + w - 2, y + 1);
  VXPline(x + 1, y + 1, x + 1, y + h - 2);
  VXPsetcolor(sunken ? s.lightcolor : s.darkcolor);
  VXPline(x + 2, y + h - 2, x + w - 2, y + h - 2);
  VXPline(x + w - 2, y + 2, x + w - 2, y + h - 2);
  VXPsetcolor(sunken ? 1 : 3);
  VXPsetpixel(x + w - 2, y + 1);
  VXPsetcolor(sunken ? 3 : 1);
  // On the outline's bottom row, not the inner corner above it, which keeps the face.
  VXPsetpixel(x + 1, y + h - 1);
}

}  // namespace vx
