// The beep through SDL audio, and ALSA kept off the terminal while SDL uses it.
#include "render/platform/sdl/sound.h"

#include <dlfcn.h>

#include <cstring>
#include <vector>

#include "render/platform/sdl/sdl.h"
#include "vx.h"

namespace vx::platform {

namespace {

SDL_AudioDeviceID device = 0;
// Outlives windows: the answer would not change, and the log says it once.
bool nosound = false;

// ALSA writes its errors to standard error itself, eight lines for a machine without a
// sound card, unless its error handler is replaced. SDL reaches it through the same
// libasound.so.2, linked or loaded, so the handler is set here for as long as SDL may
// call it, and the one before is put back after.
using AlsaHandler = void (*)(const char* file, int line, const char* function, int error,
                             const char* format, ...);
void* alsa = nullptr;
int (*sethandler)(AlsaHandler) = nullptr;
AlsaHandler previous = nullptr;

void unheard(const char*, int, const char*, int, const char*, ...) {}

void quietalsa() {
  alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (alsa == nullptr) return;  // SDL will not find it either
  void* set = dlsym(alsa, "snd_lib_error_set_handler");
  void* current = dlsym(alsa, "snd_lib_error");
  if (set == nullptr || current == nullptr) {
    dlclose(alsa);
    alsa = nullptr;
    return;
  }
  static_assert(sizeof set == sizeof sethandler);
  std::memcpy(&sethandler, &set, sizeof set);
  previous = *static_cast<AlsaHandler*>(current);
  sethandler(unheard);
}

void restorealsa() {
  if (alsa == nullptr) return;
  sethandler(previous);
  dlclose(alsa);
  alsa = nullptr;
  sethandler = nullptr;
}

// Opens the default device; false, with the reason logged, when there is none.
bool opensound() {
  quietalsa();
  if (sdl.InitSubSystem(SDL_INIT_AUDIO) == 0) {
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    // SDL converts to whatever the device takes.
    device = sdl.OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device != 0) {
      sdl.PauseAudioDevice(device, 0);
      return true;
    }
  }
  VXerror(0, "No sound: %.200s; beeps are silent\n", sdl.GetError());
  if (sdl.WasInit(SDL_INIT_AUDIO) != 0) sdl.QuitSubSystem(SDL_INIT_AUDIO);
  restorealsa();
  nosound = true;
  return false;
}

}  // namespace

void sdlbeep() {
  if (nosound || (device == 0 && !opensound())) return;
  // Beeps asked for while one still sounds do not pile up.
  if (sdl.GetQueuedAudioSize(device) > 0) return;
  constexpr int RATE = 22050;
  constexpr int LENGTH = RATE / 10;  // 100 ms
  constexpr int PERIOD = RATE / 880;
  std::vector<Sint16> tone(LENGTH);
  for (int i = 0; i < LENGTH; ++i) tone[i] = (i % PERIOD) < PERIOD / 2 ? 4000 : -4000;
  sdl.QueueAudio(device, tone.data(), static_cast<Uint32>(tone.size() * sizeof(Sint16)));
}

void closesound() {
  if (device != 0) sdl.CloseAudioDevice(device);
  device = 0;
  if (sdl.WasInit != nullptr && sdl.WasInit(SDL_INIT_AUDIO) != 0) sdl.QuitSubSystem(SDL_INIT_AUDIO);
  restorealsa();
}

}  // namespace vx::platform
