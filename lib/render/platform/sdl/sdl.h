// SDL2, loaded when the first window is asked for. Linked, it would bring its audio,
// Wayland, X and codec libraries (some fifty) into every program at start-up, windows
// or not; loaded here, a headless run never maps them.
#pragma once

#include <SDL.h>

namespace vx::platform {

// The SDL functions the sdl back-end calls, without their SDL_ prefix.
// clang-format off
#define VX_SDL_FUNCTIONS(X)                                                               \
  X(CloseAudioDevice) X(ConvertPixels) X(CreateWindow) X(DestroyWindow)                   \
  X(GetCurrentVideoDriver) X(GetDisplayUsableBounds) X(GetError) X(GetQueuedAudioSize)    \
  X(GetTicks64) X(GetWindowBordersSize) X(GetWindowSurface) X(InitSubSystem) X(MapRGB)    \
  X(OpenAudioDevice) X(PauseAudioDevice) X(PollEvent) X(QueueAudio) X(Quit)               \
  X(QuitSubSystem) X(SetError) X(SetHint) X(SetWindowPosition) X(SetWindowSize)           \
  X(StartTextInput) X(UpdateWindowSurface) X(WaitEvent) X(WaitEventTimeout)               \
  X(WarpMouseInWindow) X(WasInit)
// clang-format on

struct Sdl {
// The argument names a member: it cannot stand in parentheses.
#define VX_SDL_MEMBER(name) \
  decltype(&::SDL_##name) name = nullptr;  // NOLINT(bugprone-macro-parentheses)
  VX_SDL_FUNCTIONS(VX_SDL_MEMBER)
#undef VX_SDL_MEMBER
};

// Filled by loadsdl.
extern Sdl sdl;

// Loads SDL2 and finds its functions, once; false when it cannot, with the reason in
// sdlloaderror().
bool loadsdl();
const char* sdlloaderror();

}  // namespace vx::platform
