// The 3-D edges of a shaded button.
#pragma once

#include "render/platform/platform.h"

namespace vx {

// Outline in the frame colour, light top and left lines and dark bottom and right
// ones (exchanged when sunken), and the two corner pixels in fixed indexes.
void drawedges(VXPcoord x, VXPcoord y, VXPcoord width, VXPcoord height, bool sunken);

}  // namespace vx
