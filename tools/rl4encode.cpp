// The RL4 writer: the header, the row table and each row's runs.
#include "rl4encode.h"

#include <algorithm>

namespace vxtool {

namespace {

void put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

// A run's bytes: the count field holds 0 for the largest count.
void putrun(std::string& out, int bits, int count, unsigned value) {
  switch (bits) {
    case 4: out += static_cast<char>((count == 16 ? 0 : count) << 4 | value); break;
    case 8:
      out += static_cast<char>(count == 256 ? 0 : count);
      out += static_cast<char>(value);
      break;
    case 12: put16(out, static_cast<unsigned>((count == 16 ? 0 : count) << 12) | value); break;
    default:
      out += static_cast<char>(count == 256 ? 0 : count);
      put16(out, value);
      break;
  }
}

}  // namespace

std::uint16_t largest(const Values& values) {
  return values.pixels.empty() ? 0 : *std::max_element(values.pixels.begin(), values.pixels.end());
}

std::string encoderl4(const Values& values, int bits, std::string* why) {
  unsigned limit = bits == 16 ? 0xFFFF : (1u << bits) - 1;
  if (largest(values) > limit) {
    *why = "a value is " + std::to_string(largest(values)) + ", more than " + std::to_string(bits) +
           "-bit runs hold (" + std::to_string(limit) + ")";
    return "";
  }
  // The row table's first entry, the offset of the runs, is 16 bits too.
  if (10 + 2L * values.height > 0xFFFF) {
    *why = std::to_string(values.height) + " rows are more than an RL4 row table holds (32762)";
    return "";
  }
  int longest = bits == 4 || bits == 12 ? 16 : 256;
  std::string runs;
  std::string table;
  for (int y = 0; y < values.height; y++) {
    std::size_t before = runs.size();
    const std::uint16_t* row = values.pixels.data() + static_cast<std::size_t>(y) * values.width;
    for (int x = 0; x < values.width;) {
      int count = 1;
      while (x + count < values.width && count < longest && row[x + count] == row[x]) count++;
      putrun(runs, bits, count, row[x]);
      x += count;
    }
    std::size_t length = runs.size() - before;
    if (length > 0xFFFF) {
      *why = "row " + std::to_string(y) + "'s runs take " + std::to_string(length) +
             " bytes, more than a row length holds (65535)";
      return "";
    }
    put16(table, static_cast<unsigned>(length));
  }
  std::string file = "RUN";
  file += static_cast<char>(0x80 + bits);
  put16(file, static_cast<unsigned>(values.height));
  put16(file, static_cast<unsigned>(values.width));
  put16(file, static_cast<unsigned>(10 + 2 * values.height));
  return file + table + runs;
}

}  // namespace vxtool
