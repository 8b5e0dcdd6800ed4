// Pictures on the screen: a loaded picture, magnified by a whole factor, or a picture
// straight from its file, one row buffer of palette indexes a screen row.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "core/log.h"
#include "picture/rl4.h"
#include "render/platform/platform.h"
#include "vx.h"

using namespace vx::picture;

namespace {

// One screen row; what no picture pixel reaches is drawn in index 255.
constexpr int ROW = VXPWIDTH;

}  // namespace

void VXdrawpicture(const Picture* picture, int x, int y, int width, int height, int c0, int r0,
                   int factor, VXpicturemap map) {
  // A start before the picture's corner or a factor below 1 draws nothing; a width
  // beyond the screen is cut to it.
  if (picture == nullptr || c0 < 0 || r0 < 0 || factor < 1) return;
  if (picture->rows < r0 || picture->cols < c0) return;
  width = std::min(width, ROW);
  unsigned char buffer[ROW];
  std::fill(std::begin(buffer), std::end(buffer), std::uint8_t{255});
  long long rows = std::min<long long>(height, static_cast<long long>(picture->rows - r0) * factor);
  // Each picture row is drawn `factor` times, decoded again each time; the rows follow
  // each other, so each starts where the one before ends.
  const unsigned char* start = memoryrowstart(*picture, r0);
  for (long long i = 0; i < rows; i++) {
    int row = r0 + static_cast<int>(i / factor);
    if (i > 0 && i % factor == 0) start += rowlength(*picture, row);
    MemoryRow runs(picture->tag, start, start + rowlength(*picture, row + 1));
    Run run{};
    int k = 0;
    long at = 0;
    while (k < width && at < picture->cols && runs.next(&run)) {
      long end = std::min<long>(at + run.count, picture->cols);
      long from = std::max<long>(at, c0);
      if (map == nullptr) {
        // Without a map a run is one index: filled at once, factor times as wide.
        long n = std::min<long>((end - from) * factor, width - k);
        if (n > 16) {
          std::memset(buffer + k, run.value & 0xFF, static_cast<std::size_t>(n));
        } else {
          for (long j = 0; j < n; j++) buffer[k + j] = static_cast<unsigned char>(run.value);
        }
        if (n > 0) k += static_cast<int>(n);
      } else {
        for (long c = from; c < end && k < width; c++) {
          for (int m = 0; m < factor && k < width; m++, k++)
            buffer[k] =
                static_cast<unsigned char>(map(run.value, k, static_cast<int>(i / factor), m));
        }
      }
      at = end;
    }
    // A row whose runs stop short leaves the rest at 255, not at the row before's.
    if (k < width) std::fill(buffer + k, buffer + width, std::uint8_t{255});
    VXwdrawrow(x, static_cast<int>(std::min<long long>(y + i, INT32_MAX)), buffer, width);
  }
}

void VXdrawfilepicture(FILE* file, int x, int y, int width, int height, int c0, int r0,
                       VXfilepicturemap map) {
  unsigned char buffer[ROW];
  std::fill(std::begin(buffer), std::end(buffer), std::uint8_t{255});
  Header header = readheader(file);
  if (header.rows < r0 || header.cols < c0 || r0 < 0 || c0 < 0) return;
  if (header.cols > ROW) vx::fatal("Too many columns (%d) for picture\n", header.cols);
  seekrow(file, r0, "VXdrawfilepicture");
  // The stretch from c0 is drawn, and no more than the buffer holds.
  width = std::min(width, ROW - c0);
  int rows = std::min(height, header.rows - r0);
  for (int i = 0; i < rows; i++) {
    Run run{};
    int j = 0;
    while (j < header.cols && readrun(file, header.tag, &run)) {
      int index = map != nullptr ? map(run.value) : run.value;
      // A run that claims more than the row's columns is cut at them.
      int end = std::min(j + run.count, static_cast<int>(header.cols));
      std::fill(buffer + j, buffer + end, static_cast<unsigned char>(index));
      j = end;
    }
    std::fill(buffer + j, buffer + header.cols, std::uint8_t{255});
    VXwdrawrow(x, static_cast<int>(std::min<long long>(static_cast<long long>(y) + i, INT32_MAX)),
               buffer + c0, width);
  }
}
