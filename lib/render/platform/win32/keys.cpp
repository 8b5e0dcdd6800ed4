// Key-downs and typed characters to key codes, as the sdl back-end makes them.
#include "render/platform/win32/keys.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "vx.h"

namespace vx::platform::win32 {

bool keycode(unsigned virtualkey, bool control, bool alt, std::uint8_t* code) {
  switch (virtualkey) {
    case VK_LEFT: *code = ARROWLEFT; return true;
    case VK_RIGHT: *code = ARROWRIGHT; return true;
    case VK_UP: *code = ARROWUP; return true;
    case VK_DOWN: *code = ARROWDOWN; return true;
    case VK_DELETE:
    case VK_BACK: *code = 8; return true;
    case VK_RETURN: *code = 13; return true;  // the keypad's Enter too
    case VK_ESCAPE: *code = 27; return true;
    case VK_TAB: *code = 9; return true;
    default: break;
  }
  // Control plus a letter is its control code, 1 to 26. Control with Alt is how Windows
  // writes AltGr, whose characters come as characters.
  if (control && !alt && virtualkey >= 'A' && virtualkey <= 'Z') {
    *code = static_cast<std::uint8_t>(virtualkey - 'A' + 1);
    return true;
  }
  return false;
}

bool charactercode(unsigned character, std::uint8_t* code) {
  // Control characters come from key-downs, or not at all (Control-Backspace's 127).
  if (character < 0x20 || character == 0x7F || character > 0xFF) return false;
  *code = static_cast<std::uint8_t>(character);
  return true;
}

}  // namespace vx::platform::win32
