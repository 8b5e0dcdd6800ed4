// The pointer position.
#include "events/pointer.h"

namespace vx {

int pointerx = 0;
int pointery = 0;
int previousx = 0;
int previousy = 0;

}  // namespace vx
