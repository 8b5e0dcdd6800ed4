// RL4 files as the picture operations read them: the header's fields, read the same on
// every host, and the runs of a row, decoded from memory or read from a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "vx.h"

namespace vx::picture {

// The four tags: "RUN" and a byte that says how the runs are packed.
constexpr std::uint32_t TAG4 = 0x844E5552;   // 1 byte: count (high nibble), value
constexpr std::uint32_t TAG8 = 0x884E5552;   // 2 bytes: count, value
constexpr std::uint32_t TAG12 = 0x8C4E5552;  // a 16-bit word: count (top 4 bits), value
constexpr std::uint32_t TAG16 = 0x904E5552;  // a byte of count, then a 16-bit value

// Bytes a run takes for a tag, or 0 for any other tag.
inline int runsize(std::uint32_t tag) {
  switch (tag) {
    case TAG4: return 1;
    case TAG8:
    case TAG12: return 2;
    case TAG16: return 3;
    default: return 0;
  }
}

// Little-endian fields from a file; false when the file ends first.
bool readtag(std::FILE* file, std::uint32_t* tag);
bool read16(std::FILE* file, std::uint16_t* value);

// One run: how many pixels of which value.
struct Run {
  int count;
  std::uint16_t value;
};

// The header, after a rewind; a field the file ends before is fatal with "Unable to
// read tag", "rows" or "cols".
struct Header {
  std::uint32_t tag;
  std::uint16_t rows;
  std::uint16_t cols;
};
Header readheader(std::FILE* file);

// The run packed at b for a tag of the four. A count field of 0 stands for the largest
// count the field cannot otherwise hold.
inline Run decoderun(std::uint32_t tag, const unsigned char* b) {
  switch (tag) {
    case TAG4: {
      int count = b[0] >> 4;
      return {count == 0 ? 16 : count, static_cast<std::uint16_t>(b[0] & 0x0F)};
    }
    case TAG8: return {b[0] == 0 ? 256 : b[0], b[1]};
    case TAG12: {
      unsigned word = b[0] | b[1] << 8;
      int count = static_cast<int>(word >> 12);
      return {count == 0 ? 16 : count, static_cast<std::uint16_t>(word & 0x0FFF)};
    }
    default: return {b[0] == 0 ? 256 : b[0], static_cast<std::uint16_t>(b[1] | b[2] << 8)};
  }
}

// The runs of one row in memory, from `from` up to `end`: a run that would reach past
// the end is not read, whatever the counts claim.
class MemoryRow {
 public:
  MemoryRow(std::uint32_t tag, const unsigned char* from, const unsigned char* end)
      : tag_(tag), size_(runsize(tag)), p_(from), end_(end) {}
  bool next(Run* run) {
    if (size_ == 0 || end_ - p_ < size_) return false;
    *run = decoderun(tag_, p_);
    p_ += size_;
    return true;
  }

 private:
  std::uint32_t tag_;
  int size_;
  const unsigned char* p_;
  const unsigned char* end_;
};

// Entry r of a picture's row-length table. The table lies in the caller's buffer, which
// may sit at any address, so entries are copied out rather than read in place.
inline int rowlength(const Picture& picture, int r) {
  std::uint16_t length = 0;
  std::memcpy(&length,
              reinterpret_cast<const unsigned char*>(picture.rowlengths) + 2 * std::size_t(r), 2);
  return length;
}

// The runs of row `row` of a loaded picture, found by adding up the lengths of the rows
// before it, and where they start.
MemoryRow memoryrow(const Picture& picture, int row);
const unsigned char* memoryrowstart(const Picture& picture, int row);

// The next run of a row read from a file; false when the file ends. A tag that is none
// of the four is fatal: "Unknown tag type (%lx)".
bool readrun(std::FILE* file, std::uint32_t tag, Run* run);

// The file offset of row `row`'s runs: the row table's entries 0 to `row` added up as
// signed 16-bit values, and the file put there. A failed seek is fatal.
void seekrow(std::FILE* file, int row, const char* who);

}  // namespace vx::picture
