// Joining the layers: the few places where a lower layer must reach up are handed the
// function of the layer above here, so that no lower layer includes a header above it.
#pragma once

namespace vx {

// The loader's text measure and the popups' message hooks. Bringing the interface up
// does this; so must anything that loads or draws without bringing it up.
void connectlayers();

// Every layer's state as an interface just brought up has it, from this one list, so that
// a second bring-up in a process starts exactly as the first. The logs and the callback
// table the application handed over are not interface state and stay.
void resetlayers();

}  // namespace vx
