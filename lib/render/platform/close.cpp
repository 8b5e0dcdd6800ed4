// Closing the main window.
#include "render/platform/platform.h"

void VXPclose() {
  // No window system resources exist yet; the back-ends release theirs here.
}
