// PNG pictures of the framebuffer.
#pragma once

namespace vx::platform {

// Writes the framebuffer as a 640 x 480 RGB PNG; false when the file cannot be written.
bool writepng(const char* path);

}  // namespace vx::platform
