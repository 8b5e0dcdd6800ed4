// The sdl back-end's beep: a short tone through SDL audio. The device is tried at the
// first beep, not before; a machine without one is told once, in the error log, and
// every beep after is silent.
#pragma once

namespace vx::platform {

void sdlbeep();

// Closes the device, if one is open; a machine found without sound is not asked again.
void closesound();

}  // namespace vx::platform
