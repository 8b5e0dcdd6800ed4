// Reading PNG files back in tests.
#pragma once

#include <cstdint>
#include <vector>

namespace vxtest {

// The file's pixels as 0x00RRGGBB, or nothing when it is not a 640 x 480 PNG.
std::vector<std::uint32_t> readpng(const char* path);

}  // namespace vxtest
