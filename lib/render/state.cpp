// The rendering layer's state.
#include "render/state.h"

namespace vx {

RenderState render;

void resetrenderstate() { render = RenderState{}; }

}  // namespace vx
