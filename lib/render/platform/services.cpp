// The small device services and the hooks the library calls at fixed points.
#include <unistd.h>

#include "render/platform/backend.h"
#include "render/platform/platform.h"

using vx::platform::backend;

void VXPbeep() {
  if (backend != nullptr) backend->beep();
}

int VXPmousepresent() { return backend != nullptr ? backend->mousepresent() : 1; }

void VXPsetpointer(int x, int y) {
  if (backend != nullptr) backend->setpointer(x, y);
}

// Hooks with nothing to do on these back-ends.
void VXPstartdevice() {}
void VXPafterevent() {}
void VXPstopdevice() {}

int VXPisterminal(std::FILE* file) {
  if (file == nullptr) return 0;
  int descriptor = fileno(file);
  return descriptor >= 0 && isatty(descriptor) ? 1 : 0;
}
