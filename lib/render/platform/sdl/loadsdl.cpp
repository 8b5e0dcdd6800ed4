// Loading SDL2 at run time.
#include <dlfcn.h>

#include <cstring>
#include <string>

#include "render/platform/sdl/sdl.h"

namespace vx::platform {

Sdl sdl;

namespace {

#ifdef __APPLE__
constexpr const char* LIBRARY = "libSDL2-2.0.0.dylib";
#else
constexpr const char* LIBRARY = "libSDL2-2.0.so.0";
#endif

void* library = nullptr;
std::string failure;

// A function's address into its typed pointer; POSIX makes the two the same size.
template <typename Function>
bool find(Function* slot, const char* name) {
  void* address = dlsym(library, name);
  if (address == nullptr) {
    failure = std::string(LIBRARY) + " has no " + name;
    return false;
  }
  static_assert(sizeof address == sizeof *slot);
  std::memcpy(slot, &address, sizeof address);
  return true;
}

}  // namespace

bool loadsdl() {
  if (library != nullptr) return true;
  // Never unloaded: SDL leaves threads and handlers behind it.
  library = dlopen(LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    failure = why != nullptr ? why : LIBRARY;
    return false;
  }
  bool found = true;
#define VX_SDL_FIND(name) found = found && find(&sdl.name, "SDL_" #name);
  VX_SDL_FUNCTIONS(VX_SDL_FIND)
#undef VX_SDL_FIND
  if (!found) {
    dlclose(library);
    library = nullptr;
    sdl = Sdl{};
  }
  return found;
}

const char* sdlloaderror() { return failure.c_str(); }

}  // namespace vx::platform
