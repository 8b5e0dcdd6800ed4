// Opening the main window: toolkit options, the back-end, the drawing state, the first
// paint and the timer.
#include <string>

#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/headless.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"
#include "render/platform/raster.h"
#include "render/platform/record.h"

namespace vx::platform {

const Backend* backend = nullptr;

}  // namespace vx::platform

using namespace vx::platform;

// The instance arguments and the show mode have no meaning on these back-ends.
void VXPopenwindow(const char* title, void*, void*, const char* commandline, int) {
  VXPclose();
  // A fatal report closes the window (and writes the screenshot asked for) on its way out.
  vx::setfatalteardown([] { VXPclose(); });
  Options wanted = parseoptions(commandline);
  // A test runs the application's own start-up, command line and all, without a window.
  if (headless::testing()) wanted.backend = "headless";
  options = wanted;
  if (title == nullptr) title = "";

  opendrawing();
  if (options.backend == "headless") {
    backend = &headlessbackend;
  } else if (sdlbackend.open(title, options.scale)) {
    backend = &sdlbackend;
  } else if (options.backend == "sdl") {
    vx::toolkitfatal("Can't open the window: %.200s\n", sdlerror());
  } else {
    // No display: the same program runs headless.
    backend = &headlessbackend;
  }
  if (backend == &headlessbackend) headlessbackend.open(title, options.scale);

  if (!options.record.empty()) recordopen(options.record.c_str());
  startevents();
}
