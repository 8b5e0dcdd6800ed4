// The window's scale: the largest that fits the screen, and the word in the log when the
// one asked for does not.
#include <algorithm>

#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/platform.h"

namespace vx::platform {

int fittingscale(const Room& room, int most) {
  int scale = std::max(most, 1);
  while (scale > 1 && (VXPWIDTH * scale + room.framewidth > room.width ||
                       VXPHEIGHT * scale + room.frameheight > room.height))
    --scale;
  return scale;
}

void noticescale(const Room& room, int asked, int scale) {
  if (asked == AUTOSCALE || scale >= asked) return;
  notice(
      "--vx-scale=%d: a %d x %d window does not fit the screen, which has room for %d x %d; "
      "the scale is %d\n",
      asked, VXPWIDTH * asked + room.framewidth, VXPHEIGHT * asked + room.frameheight, room.width,
      room.height, scale);
}

}  // namespace vx::platform
