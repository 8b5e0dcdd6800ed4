// The sdl back-end: a real window through SDL2 showing the framebuffer, scaled by a whole
// number; mouse, text and key events mapped to the reference platform's messages.
#include "render/platform/backend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/sdl/sdl.h"
#include "vx.h"

namespace vx::platform {

namespace {

SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
SDL_AudioDeviceID audio = 0;
bool audiofailed = false;
int windowscale = 1;
// One text event may carry several characters; they come out one message at a time.
std::deque<Message> pending;

void close() {
  if (audio != 0) sdl.CloseAudioDevice(audio);
  audio = 0;
  audiofailed = false;
  if (texture != nullptr) sdl.DestroyTexture(texture);
  if (renderer != nullptr) sdl.DestroyRenderer(renderer);
  if (window != nullptr) sdl.DestroyWindow(window);
  texture = nullptr;
  renderer = nullptr;
  window = nullptr;
  pending.clear();
  if (sdl.WasInit != nullptr && sdl.WasInit(0) != 0) sdl.Quit();
}

bool open(const char* title, const Options& asked) {
  close();
  if (!loadsdl()) return false;
  const int scale = asked.scale;
  windowscale = scale;
  sdl.SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // square pixels when scaled
  // The first click on the window counts, as it does on the reference platform.
  sdl.SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // A held button keeps the pointer: its release is seen wherever it happens.
  sdl.SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "1");
  if (sdl.InitSubSystem(SDL_INIT_VIDEO) != 0) {
    close();
    return false;
  }
  // Without a display SDL falls back on drivers that show nothing. Unless that driver
  // was asked for by name, there is no window: a program asked for one must not run
  // unseen, and one that was not runs headless.
  const char* driver = sdl.GetCurrentVideoDriver();
  if (std::getenv("SDL_VIDEODRIVER") == nullptr && driver != nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    close();
    sdl.SetError("no display could be opened");
    return false;
  }
  window = sdl.CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, VXPWIDTH * scale,
                            VXPHEIGHT * scale, SDL_WINDOW_SHOWN);
  if (window != nullptr) renderer = sdl.CreateRenderer(window, -1, 0);
  if (window != nullptr && renderer == nullptr)
    renderer = sdl.CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (renderer != nullptr)
    texture = sdl.CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                VXPWIDTH, VXPHEIGHT);
  if (texture == nullptr) {
    // Keep SDL's reason for the caller's message.
    std::string reason = sdl.GetError();
    close();
    sdl.SetError("%s", reason.c_str());
    return false;
  }
  sdl.StartTextInput();
  return true;
}

void present() {
  framechanged = false;
  if (texture == nullptr) return;
  sdl.UpdateTexture(texture, nullptr, framebuffer, VXPWIDTH * 4);
  sdl.RenderClear(renderer);
  sdl.RenderCopy(renderer, texture, nullptr, nullptr);
  sdl.RenderPresent(renderer);
}

// A window position back to drawing-area pixels. While the button is held the pointer
// is captured, so a release outside the window arrives with its position outside the
// area, where no button is: the press ends without a click.
Message pointermessage(MessageKind kind, int x, int y) {
  Message message;
  message.kind = kind;
  message.x = std::clamp(static_cast<int>(std::floor(static_cast<double>(x) / windowscale)),
                         INT16_MIN, INT16_MAX);
  message.y = std::clamp(static_cast<int>(std::floor(static_cast<double>(y) / windowscale)),
                         INT16_MIN, INT16_MAX);
  return message;
}

Message keymessage(unsigned code) {
  Message message;
  message.kind = MessageKind::key;
  message.key = static_cast<std::uint8_t>(code);
  return message;
}

// Key-downs that have a code of their own; the others are left to text input.
bool keycode(const SDL_KeyboardEvent& key, unsigned* code) {
  switch (key.keysym.sym) {
    case SDLK_LEFT: *code = ARROWLEFT; return true;
    case SDLK_RIGHT: *code = ARROWRIGHT; return true;
    case SDLK_UP: *code = ARROWUP; return true;
    case SDLK_DOWN: *code = ARROWDOWN; return true;
    case SDLK_DELETE:
    case SDLK_BACKSPACE: *code = 8; return true;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: *code = 13; return true;
    case SDLK_ESCAPE: *code = 27; return true;
    case SDLK_TAB: *code = 9; return true;
    default: break;
  }
  // Text input gives no characters for Control plus a letter: its control code, 1 to 26.
  if ((key.keysym.mod & KMOD_CTRL) != 0 && key.keysym.sym >= SDLK_a && key.keysym.sym <= SDLK_z) {
    *code = static_cast<unsigned>(key.keysym.sym - SDLK_a + 1);
    return true;
  }
  return false;
}

// The characters of a text event that fit in 8 bits (ASCII and Latin-1).
void queuetext(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    if (*p < 0x80) {
      pending.push_back(keymessage(*p));
      ++p;
    } else if ((*p == 0xC2 || *p == 0xC3) && (p[1] & 0xC0) == 0x80) {
      pending.push_back(keymessage(((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu)));
      p += 2;
    } else {
      ++p;
      while ((*p & 0xC0) == 0x80) ++p;
    }
  }
}

Message translate(const SDL_Event& event) {
  Message other;
  switch (event.type) {
    case SDL_QUIT: other.kind = MessageKind::quit; return other;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) other.kind = MessageKind::quit;
      // The framebuffer holds the whole picture: an uncovered window is shown again
      // without asking the program to repaint.
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) framechanged = true;
      return other;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT) return other;
      return pointermessage(
          event.type == SDL_MOUSEBUTTONDOWN ? MessageKind::press : MessageKind::release,
          event.button.x, event.button.y);
    case SDL_MOUSEMOTION: return pointermessage(MessageKind::move, event.motion.x, event.motion.y);
    case SDL_KEYDOWN: {
      unsigned code = 0;
      if (keycode(event.key, &code)) return keymessage(code);
      return other;
    }
    case SDL_TEXTINPUT:
      queuetext(event.text.text);
      if (pending.empty()) return other;
      other = pending.front();
      pending.pop_front();
      return other;
    default: return other;
  }
}

bool wait(Message* message, unsigned long timeout) {
  if (!pending.empty()) {
    *message = pending.front();
    pending.pop_front();
    return true;
  }
  SDL_Event event;
  int got = timeout == 0         ? sdl.PollEvent(&event)
            : timeout == FOREVER ? sdl.WaitEvent(&event)
                                 : sdl.WaitEventTimeout(&event, static_cast<int>(timeout));
  if (got == 0) return false;
  *message = translate(event);
  return true;
}

unsigned long clock() { return static_cast<unsigned long>(sdl.GetTicks64()); }

// A short tone; without sound the beep is silent.
void beep() {
  if (audiofailed) return;
  if (audio == 0) {
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) {
      audiofailed = true;
      return;
    }
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    SDL_AudioSpec have{};
    audio = sdl.OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (audio == 0 || have.format != AUDIO_S16SYS || have.channels != 1) {
      if (audio != 0) sdl.CloseAudioDevice(audio);
      audio = 0;
      audiofailed = true;
      return;
    }
    sdl.PauseAudioDevice(audio, 0);
  }
  // Beeps asked for while one still sounds do not pile up.
  if (sdl.GetQueuedAudioSize(audio) > 0) return;
  constexpr int RATE = 22050;
  constexpr int LENGTH = RATE / 10;  // 100 ms
  constexpr int PERIOD = RATE / 880;
  std::vector<Sint16> tone(LENGTH);
  for (int i = 0; i < LENGTH; ++i) tone[i] = (i % PERIOD) < PERIOD / 2 ? 4000 : -4000;
  sdl.QueueAudio(audio, tone.data(), static_cast<Uint32>(tone.size() * sizeof(Sint16)));
}

void setpointer(int x, int y) {
  if (window == nullptr) return;
  sdl.WarpMouseInWindow(window, x * windowscale + windowscale / 2,
                        y * windowscale + windowscale / 2);
}

int mousepresent() { return 1; }

const char* error() { return sdl.GetError != nullptr ? sdl.GetError() : sdlloaderror(); }

}  // namespace

const Backend sdlbackend = {open,  error, close,      present,     wait,
                            clock, beep,  setpointer, mousepresent};

}  // namespace vx::platform
