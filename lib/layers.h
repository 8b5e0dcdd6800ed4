// Joining the layers: the few places where a lower layer must reach up are handed the
// function of the layer above here, so that no lower layer includes a header above it.
#pragma once

namespace vx {

// The loader's text measure and the popups' message hooks. Bringing the interface up
// does this; so must anything that loads or draws without bringing it up.
void connectlayers();

}  // namespace vx
