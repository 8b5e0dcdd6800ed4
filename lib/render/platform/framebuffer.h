// The software framebuffer that every back-end shows, and the life cycle of the raster
// (raster/) that draws on it.
#pragma once

#include <cstdint>

namespace vx::platform {

// One 640 x 480 buffer of 0x00RRGGBB pixels, row after row.
extern std::uint32_t framebuffer[480 * 640];

// Set by every operation that changes the framebuffer; the back-end clears it when it
// presents the frame.
extern bool framechanged;

// Called by VXPopenwindow: fresh drawing state (colour 0, default pen and brush, no
// clip, copy mode, normal font selected), fonts loaded, framebuffer cleared to white.
void opendrawing();

// Called by VXPclose: releases the stores and fonts.
void closedrawing();

}  // namespace vx::platform
