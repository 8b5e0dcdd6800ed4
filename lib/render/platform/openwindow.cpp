// Opening the main window: toolkit options, the back-end, the drawing state, the first
// paint and the timer.
#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/framebuffer.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"
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
  // The back-end named, or else the first that opens: without a display the same
  // program runs headless.
  const BackendEntry* tried = nullptr;
  for (const BackendEntry& entry : backends) {
    if (!options.backend.empty() && options.backend != entry.name) continue;
    tried = &entry;
    // Set first: a fatal report from the open (a bad replay script) closes the window
    // and writes its screenshot, as any other would.
    backend = entry.backend;
    if (backend->open(title, options)) break;
    backend = nullptr;
  }
  if (backend == nullptr) {
    // Option parsing takes only the table's names, so one was tried.
    if (tried == nullptr)
      vx::toolkitfatal("No back-end is named |%.200s|\n", options.backend.c_str());
    vx::toolkitfatal("%s: %.200s\n", tried->failure, tried->backend->error());
  }

  if (!options.record.empty()) recordopen(options.record.c_str());
  startevents();
}
