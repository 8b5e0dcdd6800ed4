// Closing the main window.
#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"
#include "render/platform/raster.h"
#include "render/platform/record.h"
#include "render/platform/screenshot.h"

using namespace vx::platform;

void VXPclose() {
  if (backend == nullptr) return;
  // Forgotten first: a report from here closes again, and that must do nothing.
  const Backend* closing = backend;
  backend = nullptr;
  if (!options.screenshot.empty() && !writepng(options.screenshot.c_str()))
    VXerror(0, "Couldn't write the screenshot |%.200s|\n", options.screenshot.c_str());
  closedrawing();
  closing->close();
  recordclose();
  // The options stay until the next window opens: a report being written may still
  // quote one of them.
}
