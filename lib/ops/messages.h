// The library's own windows (message, alert, help, version) as the rest of the library
// calls them.
#pragma once

namespace vx {

// The message up when a popup opens is shown again when it closes.
void remembermessage();
void showremembered();

// The alert window is no longer up.
void clearalertshown();

}  // namespace vx
