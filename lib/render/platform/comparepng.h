// The framebuffer against a PNG picture of it, as tests compare with golden pictures.
#pragma once

#include <string>

namespace vx::platform {

// The number of pixels whose colour differs between the framebuffer and the PNG at
// `path`, read as 8-bit RGB, and the first of them in row order at (x, y), which are
// (-1, -1) when none does. -1, with `why` saying what is wrong, when the file is not a
// 640 x 480 PNG that can be read.
int comparepng(const char* path, int* x, int* y, std::string* why);

}  // namespace vx::platform
