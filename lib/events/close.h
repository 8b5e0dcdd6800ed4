// The close box and the quit message: the application's close handler.
#pragma once

namespace vx {

// The quit message has come: the close handler, if one is set, is called with the main
// window's name and decides; true when it was called, false when the program is to end.
bool closeasked();

}  // namespace vx
