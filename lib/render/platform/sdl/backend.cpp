// The sdl back-end: a real window through SDL2 showing the framebuffer, scaled by a whole
// number; mouse, text and key events mapped to the reference platform's messages.
#include "render/platform/backend.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "core/log.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/sdl/sdl.h"
#include "render/platform/sdl/sound.h"
#include "vx.h"

namespace vx::platform {

namespace {

// The back-end's state while a window is open; opening starts it afresh.
struct SdlState {
  SDL_Window* window = nullptr;
  int scale = 1;
  // One row of the window, each pixel repeated scale times, before it is converted.
  std::vector<std::uint32_t> row;
  // One text event may carry several characters; they come out one message at a time.
  std::deque<Message> pending;
};

SdlState state;

void close() {
  closesound();
  if (state.window != nullptr) sdl.DestroyWindow(state.window);
  state = SdlState{};
  if (sdl.WasInit != nullptr && sdl.WasInit(0) != 0) sdl.Quit();
}

// The frame the window system put around the window, if it has said: a window that does
// not fit the room with it is made smaller. A scale asked for that does not fit is said
// in the log.
void fitframe(const SDL_Rect& usable, const Options& asked) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (sdl.GetWindowBordersSize(state.window, &top, &left, &bottom, &right) != 0)
    top = left = bottom = right = 0;
  Room room{usable.w, usable.h, left + right, top + bottom};
  int scale = fittingscale(room, state.scale);
  if (scale < state.scale) {
    state.scale = scale;
    sdl.SetWindowSize(state.window, VXPWIDTH * scale, VXPHEIGHT * scale);
    sdl.SetWindowPosition(state.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  noticescale(room, asked.scale, scale);
}

bool open(const char* title, const Options& asked) {
  close();
  if (!loadsdl()) return false;
  // The window surface is plain memory handed to the window system. Left to choose, SDL
  // makes a GL context to see whether a renderer's texture would be faster, and so maps
  // a GL driver and its shader compiler (ninety megabytes, thirty libraries) to show a
  // palette picture. A user's own setting of the hint still wins.
  sdl.SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The first click on the window counts, as it does on the reference platform.
  sdl.SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // A held button keeps the pointer: its release is seen wherever it happens.
  sdl.SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "1");
  // The close box asks the application once; SDL would follow it with a quit of its own.
  sdl.SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
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
  // The scale asked for, or with auto the largest, that fits the room the screen has (what
  // panels and docks leave of the display the window is centred on); a display that
  // cannot say takes the scale asked for, or 1. The window's frame is known, if at all,
  // only once it is made.
  SDL_Rect room{};
  bool known = sdl.GetDisplayUsableBounds(0, &room) == 0 && room.w > 0 && room.h > 0;
  state.scale = asked.scale == AUTOSCALE ? MOSTSCALE : asked.scale;
  state.scale =
      known ? fittingscale(Room{room.w, room.h, 0, 0}, state.scale) : std::max(asked.scale, 1);
  // No SDL_WINDOW_OPENGL: the window is made on the screen's own visual, with no GL.
  state.window =
      sdl.CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       VXPWIDTH * state.scale, VXPHEIGHT * state.scale, SDL_WINDOW_SHOWN);
  if (state.window == nullptr || sdl.GetWindowSurface(state.window) == nullptr) {
    // Keep SDL's reason for the caller's message.
    std::string reason = sdl.GetError();
    close();
    sdl.SetError("%s", reason.c_str());
    return false;
  }
  if (known) fitframe(room, asked);
  sdl.StartTextInput();
  return true;
}

// One row of the framebuffer into a row of the surface, each pixel `scale` wide, in the
// surface's own format: 32-bit XRGB (what an X server's true-colour screen takes) is
// copied, an 8-bit palette is looked up, anything else SDL converts.
void putrow(const SDL_Surface& surface, const std::uint32_t* source, unsigned char* target,
            int width) {
  const SDL_PixelFormat& format = *surface.format;
  const bool xrgb = format.BytesPerPixel == 4 && format.Rmask == 0xFF0000 &&
                    format.Gmask == 0x00FF00 && format.Bmask == 0x0000FF;
  const std::uint32_t alpha = xrgb ? format.Amask : 0;
  for (int x = 0; x < width; ++x) state.row[x] = source[x / state.scale] | alpha;
  if (xrgb) {
    std::memcpy(target, state.row.data(), static_cast<std::size_t>(width) * 4);
  } else if (format.palette != nullptr && format.BytesPerPixel == 1) {
    std::uint32_t last = ~0u;
    Uint32 index = 0;
    for (int x = 0; x < width; ++x) {
      if (state.row[x] != last) {
        last = state.row[x];
        index = sdl.MapRGB(&format, static_cast<Uint8>(last >> 16), static_cast<Uint8>(last >> 8),
                           static_cast<Uint8>(last));
      }
      target[x] = static_cast<unsigned char>(index);
    }
  } else {
    sdl.ConvertPixels(width, 1, SDL_PIXELFORMAT_RGB888, state.row.data(), width * 4, format.format,
                      target, surface.pitch);
  }
}

// Shows the framebuffer through the window surface, each pixel a scale x scale block.
void present() {
  framechanged = false;
  if (state.window == nullptr) return;
  // Asked for each time: a window that changed size has a new surface.
  SDL_Surface* surface = sdl.GetWindowSurface(state.window);
  if (surface == nullptr || surface->pixels == nullptr) return;
  const int width = std::min(surface->w, VXPWIDTH * state.scale);
  const int height = std::min(surface->h, VXPHEIGHT * state.scale);
  const auto rowbytes = static_cast<std::size_t>(width) * surface->format->BytesPerPixel;
  state.row.resize(static_cast<std::size_t>(width));
  auto* pixels = static_cast<unsigned char*>(surface->pixels);
  for (int y = 0; y < height; y += state.scale) {
    unsigned char* target = pixels + static_cast<std::ptrdiff_t>(y) * surface->pitch;
    putrow(*surface, framebuffer + static_cast<std::ptrdiff_t>(y / state.scale) * VXPWIDTH, target,
           width);
    for (int copy = 1; copy < state.scale && y + copy < height; ++copy)
      std::memcpy(target + static_cast<std::ptrdiff_t>(copy) * surface->pitch, target, rowbytes);
  }
  sdl.UpdateWindowSurface(state.window);
}

// A window position back to drawing-area pixels. While the button is held the pointer
// is captured, so a release outside the window arrives with its position outside the
// area, where no button is: the press ends without a click.
Message pointermessage(MessageKind kind, int x, int y) {
  Message message;
  message.kind = kind;
  message.x = std::clamp(static_cast<int>(std::floor(static_cast<double>(x) / state.scale)),
                         INT16_MIN, INT16_MAX);
  message.y = std::clamp(static_cast<int>(std::floor(static_cast<double>(y) / state.scale)),
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
      state.pending.push_back(keymessage(*p));
      ++p;
    } else if ((*p == 0xC2 || *p == 0xC3) && (p[1] & 0xC0) == 0x80) {
      state.pending.push_back(keymessage(((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu)));
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
    // With the close box apart, a quit comes from a signal (Control-C in the terminal): the
    // program ends without asking.
    case SDL_QUIT: other.kind = MessageKind::end; return other;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) other.kind = MessageKind::quit;
      // The framebuffer holds the whole picture: an uncovered window, or one with a new
      // surface after a change of size, is shown again without asking the program.
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
        framechanged = true;
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
      if (state.pending.empty()) return other;
      other = state.pending.front();
      state.pending.pop_front();
      return other;
    default: return other;
  }
}

bool wait(Message* message, unsigned long timeout) {
  if (!state.pending.empty()) {
    *message = state.pending.front();
    state.pending.pop_front();
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

void setpointer(int x, int y) {
  if (state.window == nullptr) return;
  sdl.WarpMouseInWindow(state.window, x * state.scale + state.scale / 2,
                        y * state.scale + state.scale / 2);
}

int mousepresent() { return 1; }

const char* error() { return sdl.GetError != nullptr ? sdl.GetError() : sdlloaderror(); }

}  // namespace

const Backend sdlbackend = {open,  error,   close,      present,     wait,
                            clock, sdlbeep, setpointer, mousepresent};

}  // namespace vx::platform
