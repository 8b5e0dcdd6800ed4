// The 3-D edges of a shaded button.
#pragma once

namespace vx {

// Outline in the frame colour, light top and left lines and dark bottom and right
// ones (exchanged when sunken), and the two corner pixels in fixed indexes.
void drawedges(int x, int y, int width, int height, bool sunken);

}  // namespace vx
