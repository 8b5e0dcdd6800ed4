// PNG files for vxtool rl4: palette and gray images read as their values, and values
// written as a palette image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vxtool {

struct Values {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> pixels;  // row after row: palette indexes or gray levels
};

// Reads a palette image (its indexes) or an 8- or 16-bit gray one (its levels; smaller
// gray depths too). False with `why` set for anything else or a damaged file.
bool readvalues(const char* path, Values* values, std::string* why);

// Writes the values as an 8-bit palette image with `palette` (red, green, blue a
// colour); values past the palette take its last colour. False with errno set.
bool writeindexed(const char* path, const Values& values, const std::vector<std::uint8_t>& palette);

}  // namespace vxtool
