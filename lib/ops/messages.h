// The library's own windows (message, alert, help, version) as the rest of the library
// calls them.
#pragma once

namespace vx {

// The message up when a popup opens is shown again when it closes.
void remembermessage();
void showremembered();

// The alert window is no longer up.
void clearalertshown();

// As an interface just brought up has them: no message shown or remembered, no alert,
// the help at its first page, no version line read.
void resetmessages();
void resethelp();
void resetversion();

}  // namespace vx
