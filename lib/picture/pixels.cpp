// The values of a stretch of one row's pixels, from a loaded picture or from a file.
#include <cstdint>
#include <cstdio>

#include "picture/rl4.h"
#include "vx.h"

using namespace vx::picture;

namespace vx::picture {

const unsigned char* memoryrowstart(const Picture& picture, int row) {
  const unsigned char* start = picture.runs;
  for (int r = 1; r <= row; r++) start += rowlength(picture, r);
  return start;
}

MemoryRow memoryrow(const Picture& picture, int row) {
  const unsigned char* start = memoryrowstart(picture, row);
  return {picture.tag, start, start + rowlength(picture, row + 1)};
}

}  // namespace vx::picture

void VXgetpicturepixel(const Picture* picture, int32_t column, int32_t row, int16_t* values,
                       int32_t count) {
  if (values == nullptr || count <= 0) return;
  int32_t i = 0;
  if (picture != nullptr && column >= 0 && row >= 0 && column < picture->cols &&
      row < picture->rows) {
    MemoryRow runs = memoryrow(*picture, row);
    Run run{};
    // Past the runs that end before the column, then the rest of the row, as far as the
    // row's columns go.
    long at = 0;
    while (i < count && at < picture->cols && runs.next(&run)) {
      long end = at + run.count;
      if (end > picture->cols) end = picture->cols;
      for (long c = at > column ? at : column; c < end && i < count; c++)
        values[i++] = static_cast<int16_t>(run.value);
      at = end;
    }
  }
  while (i < count) values[i++] = -1;
}

void VXgetfilepixel(FILE* file, uint32_t column, int32_t row, int16_t* values, uint32_t count) {
  Header header = readheader(file);
  if (values == nullptr || row < 0 || row >= header.rows || column >= header.cols) return;
  seekrow(file, row, "VXgetfilepixel");
  Run run{};
  uint32_t i = 0;
  long at = 0;
  while (i < count && at < header.cols && readrun(file, header.tag, &run)) {
    long end = at + run.count;
    if (end > header.cols) end = header.cols;
    for (long c = at > static_cast<long>(column) ? at : static_cast<long>(column);
         c < end && i < count; c++)
      values[i++] = static_cast<int16_t>(run.value);
    at = end;
  }
}
