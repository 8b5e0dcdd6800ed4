// Closing the main window.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/framebuffer.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"
#include "render/platform/record.h"

using namespace vx::platform;

int VXPclose() {
  if (backend == nullptr) return 1;
  // Forgotten first: a report from here closes again, and that must do nothing.
  const Backend* closing = backend;
  backend = nullptr;
  bool written = options.screenshot.empty() || writepng(options.screenshot.c_str());
  if (!written) {
    // A warning, not a fatal report: this may be a fatal report's own teardown. The
    // program's end decides its status.
    const char* reason = std::strerror(errno);
    VXerror(0, "Couldn't write the screenshot |%.200s|: %s\n", options.screenshot.c_str(), reason);
    std::fprintf(stderr, "Couldn't write the screenshot |%.200s|: %s\n", options.screenshot.c_str(),
                 reason);
    std::fflush(stderr);
  }
  closedrawing();
  closing->close();
  recordclose();
  // The options stay until the next window opens: a report being written may still
  // quote one of them.
  return written ? 1 : 0;
}
