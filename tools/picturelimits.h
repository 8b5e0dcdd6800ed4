// The largest pictures and files vxtool takes, checked against what a file's header
// claims before anything is allocated: a file of a few bytes may claim more memory than
// the machine has.
#pragma once

#include <cstdint>

namespace vxtool {

// Pixels of one picture in rl4 and compare (8192 x 8192, say).
constexpr std::uint64_t MAXPIXELS = std::uint64_t{1} << 26;

// Bytes of an RL4 file that rl4 decode and info read: room for the largest picture in
// the widest packing, one pixel a run.
constexpr std::uint64_t MAXRL4BYTES = std::uint64_t{256} << 20;

// Rows of an RL4 file: its row offset, 10 + 2 x rows, is 16 bits.
constexpr unsigned MAXRL4ROWS = 32762;

}  // namespace vxtool
