// The back-ends by name, for --vx-backend= and for opening the window.
#include <iterator>

#include "render/platform/backend.h"

namespace vx::platform {

namespace {

constexpr BackendEntry table[] = {
#if defined(_WIN32)
    {"win32", &win32backend, "Can't open the window"},
#elif defined(__EMSCRIPTEN__)
    {"canvas", &canvasbackend, "Can't show the program on the page"},
#else
    {"sdl", &sdlbackend, "Can't open the window"},
#endif
    {"headless", &headlessbackend, "Can't run headless"},
};

}  // namespace

const std::span<const BackendEntry> backends = table;

const BackendEntry* findbackend(std::string_view name) {
  for (const BackendEntry& entry : backends)
    if (name == entry.name) return &entry;
  return nullptr;
}

}  // namespace vx::platform
