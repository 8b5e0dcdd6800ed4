// The message window as the rest of the library calls it.
#pragma once

namespace vx {

// Shows again the message that was up when a popup opened.
void showremembered();

}  // namespace vx
