// Reading RL4 files: the little-endian fields and the four packings of runs.
#include "picture/rl4.h"

#include "core/log.h"

namespace vx::picture {

// Bytes, assembled low byte first: a file reads the same on every host.
bool readtag(std::FILE* file, std::uint32_t* tag) {
  unsigned char b[4];
  if (std::fread(b, 1, 4, file) != 4) return false;
  *tag = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  return true;
}

bool read16(std::FILE* file, std::uint16_t* value) {
  unsigned char b[2];
  if (std::fread(b, 1, 2, file) != 2) return false;
  *value = static_cast<std::uint16_t>(b[0] | b[1] << 8);
  return true;
}

Header readheader(std::FILE* file) {
  Header header{};
  std::rewind(file);
  if (!readtag(file, &header.tag)) fatal("Unable to read tag\n");
  if (!read16(file, &header.rows)) fatal("Unable to read rows\n");
  if (!read16(file, &header.cols)) fatal("Unable to read cols\n");
  return header;
}

bool readrun(std::FILE* file, std::uint32_t tag, Run* run) {
  int size = runsize(tag);
  if (size == 0) fatal("Unknown tag type (%lx)\n", static_cast<unsigned long>(tag));
  unsigned char b[3];
  if (std::fread(b, 1, static_cast<std::size_t>(size), file) != static_cast<std::size_t>(size))
    return false;
  *run = decoderun(tag, b);
  return true;
}

void seekrow(std::FILE* file, int row, const char* who) {
  long offset = 0;
  for (int r = 0; r <= row; r++) {
    std::uint16_t entry = 0;
    // A table that ends early leaves the offset where the entries brought it.
    if (!read16(file, &entry)) break;
    offset += static_cast<std::int16_t>(entry);
  }
  if (offset < 0 || std::fseek(file, offset, SEEK_SET) != 0)
    fatal("Cannot seek to offset %ld in %s\n", offset, who);
}

}  // namespace vx::picture
