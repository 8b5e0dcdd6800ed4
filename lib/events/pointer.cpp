// The pointer position.
#include "events/pointer.h"

namespace vx {

int pointerx = 0;
int pointery = 0;

}  // namespace vx
