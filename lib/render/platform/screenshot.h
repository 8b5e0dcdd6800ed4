// PNG pictures of the framebuffer.
#pragma once

namespace vx::platform {

// Writes the framebuffer as a 640 x 480 PNG (a palette image when it has 256 colours or
// fewer, else RGB); false, with errno saying why, when the file cannot be written. A
// failed write leaves what the path named as it was.
bool writepng(const char* path);

}  // namespace vx::platform
