// The message window's calls.
#include "ops/messages.h"

namespace vx {

// The message and alert windows fill these in.
void remembermessage() {}
void showremembered() {}
void clearalertshown() {}

}  // namespace vx
