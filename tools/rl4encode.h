// Writing RL4 files: values run-length encoded in one of the four packings.
#pragma once

#include <cstdint>
#include <string>

#include "pngfile.h"

namespace vxtool {

// The file's bytes for the values with 4-, 8-, 12- or 16-bit values; empty with `why`
// set when they cannot be: a value too large for the packing, too many rows for the row
// table, or a row whose runs take more than a row length can say.
std::string encoderl4(const Values& values, int bits, std::string* why);

// The largest value of the picture.
std::uint16_t largest(const Values& values);

}  // namespace vxtool
