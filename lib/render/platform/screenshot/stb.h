// The parts of the stb image library that the screenshots use: its zlib compressor and
// its PNG decoder, compiled into the library (stb.cpp) with internal linkage, so that a
// program with its own copy of stb links beside vx without a clash.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vx::platform::stb {

// `size` bytes from `data` as a zlib stream; `effort` (5 and up) bounds the matches
// tried at each byte. Empty when memory ran out.
std::vector<std::uint8_t> deflate(std::uint8_t* data, std::size_t size, int effort);

// The PNG read from `file` as 8-bit red, green and blue, row after row, whatever its
// format; false with `why` set when it cannot be decoded.
bool decodergb(std::FILE* file, std::vector<std::uint8_t>* rgb, std::string* why);

}  // namespace vx::platform::stb
