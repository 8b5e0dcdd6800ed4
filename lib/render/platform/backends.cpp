// The back-ends by name, for --vx-backend= and for opening the window.
#include <iterator>

#include "render/platform/backend.h"

namespace vx::platform {

namespace {

constexpr BackendEntry table[] = {
#ifdef _WIN32
    {"win32", &win32backend, "Can't open the window"},
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
