// Escapes in button labels.
#pragma once

namespace vx {

// Removes the label's backslashes in place. A backslash before "<", ">", "^" or "v"
// takes that character out as well and makes it the button's arrow; the last such
// escape wins. Returns the arrow, or 0 when there is none.
int removeescapes(char* label);

}  // namespace vx
