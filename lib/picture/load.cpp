// The size of a picture in a file, and a whole picture loaded into the caller's buffer.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "picture/rl4.h"
#include "vx.h"

using namespace vx::picture;

void VXgetpicturesize(FILE* file, uint16_t* rows, uint16_t* cols) {
  Header header = readheader(file);
  if (rows != nullptr) *rows = header.rows;
  if (cols != nullptr) *cols = header.cols;
}

int VXloadpicture(FILE* file, Picture* picture, unsigned char* buffer) {
  if (file == nullptr || picture == nullptr || buffer == nullptr) return 0;
  std::rewind(file);
  if (!readtag(file, &picture->tag) || runsize(picture->tag) == 0) return 0;
  if (!read16(file, &picture->rows) || !read16(file, &picture->cols)) return 0;
  long body = static_cast<long>(VXfilesize(file)) - 8;
  // The row table must fit the body: a picture claiming more rows than its file holds
  // is not loaded.
  long table = 2 * (static_cast<long>(picture->rows) + 1);
  if (body < table) return 0;
  if (std::fread(buffer, 1, static_cast<std::size_t>(body), file) != static_cast<std::size_t>(body))
    return 0;
  // The row lengths in host order, entry 0 (the file's row offset) 0. Lengths that
  // claim more bytes than the body holds are cut, so that no reader goes past it. The
  // buffer may sit at any address: entries are stored a byte at a time.
  auto store = [&](long r, long length) {
    auto value = static_cast<std::uint16_t>(length);
    std::memcpy(buffer + 2 * r, &value, 2);
  };
  long left = body - table;
  store(0, 0);
  for (long r = 1; r <= picture->rows; r++) {
    long length = buffer[2 * r] | buffer[2 * r + 1] << 8;
    if (length > left) length = left;
    store(r, length);
    left -= length;
  }
  // Only a buffer at an even address may be read through this as an array.
  picture->rowlengths = reinterpret_cast<std::uint16_t*>(buffer);
  picture->runs = buffer + table;
  picture->runsize = runsize(picture->tag);
  return 1;
}
