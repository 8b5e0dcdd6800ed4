// The win32 back-end's keys: which key-downs carry a code of their own, and which
// characters reach the application. The codes are those of the sdl back-end.
#pragma once

#include <cstdint>

namespace vx::platform::win32 {

// The code of a key-down that has one by itself (arrows, Delete, Backspace, Return,
// Escape, Tab, Control plus a letter); false for keys left to the character message.
bool keycode(unsigned virtualkey, bool control, bool alt, std::uint8_t* code);

// The code of a typed character (UTF-16): those of Latin-1 that print; false for the rest.
bool charactercode(unsigned character, std::uint8_t* code);

}  // namespace vx::platform::win32
