// PNG pictures of the framebuffer, written a row at a time with settings that suit
// screenshots.
#include <png.h>

#include <array>
#include <cstring>

#include "core/writefile.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"

namespace vx::platform {

namespace {

// The screen's colours, when there are 256 or fewer: drawing in palette colours makes
// flat pictures of few colours, which a palette PNG holds in a third of the bytes to
// compress, or less. Open addressing on the colour; neighbouring pixels mostly share
// one, so each run is looked up once.
class Colours {
 public:
  // False when the screen has more than 256 colours. A row the same as the one above
  // has no new colour: flat pictures are mostly such rows.
  bool collect() {
    for (int y = 0; y < VXPHEIGHT; ++y) {
      const std::uint32_t* row = framebuffer + static_cast<std::size_t>(y) * VXPWIDTH;
      if (y > 0 && std::memcmp(row, row - VXPWIDTH, VXPWIDTH * sizeof *row) == 0) continue;
      std::uint32_t last = ~row[0] & 0xFFFFFFu;  // not the first pixel
      for (int x = 0; x < VXPWIDTH; ++x) {
        std::uint32_t pixel = row[x] & 0xFFFFFFu;
        if (pixel != last && indexof(pixel) < 0) return false;
        last = pixel;
      }
    }
    return true;
  }

  // The fewest bits a pixel that hold any index: 1, 2, 4 or 8.
  int depth() const { return count_ <= 2 ? 1 : count_ <= 4 ? 2 : count_ <= 16 ? 4 : 8; }

  // Row y of the screen as indexes into the table, packed `depth` bits a pixel, first
  // pixel in the high bits, into `packed`, which holds the row above: a row the same as
  // that one is left as it is.
  void indexrow(int y, png_byte* packed) {
    const std::uint32_t* row = framebuffer + static_cast<std::size_t>(y) * VXPWIDTH;
    if (y > 0 && std::memcmp(row, row - VXPWIDTH, VXPWIDTH * sizeof *row) == 0) return;
    png_byte indexes[VXPWIDTH];
    std::uint32_t last = row[0] & 0xFFFFFFu;
    auto index = static_cast<png_byte>(indexof(last));
    for (int x = 0; x < VXPWIDTH; ++x) {
      std::uint32_t pixel = row[x] & 0xFFFFFFu;
      if (pixel != last) {
        last = pixel;
        index = static_cast<png_byte>(indexof(pixel));
      }
      indexes[x] = index;
    }
    int bits = depth(), per = 8 / bits;
    for (int b = 0; b < VXPWIDTH / per; ++b) {
      unsigned byte = 0;
      for (int k = 0; k < per; ++k) byte = byte << bits | indexes[b * per + k];
      packed[b] = static_cast<png_byte>(byte);
    }
  }

  const png_color* table() const { return table_.data(); }
  int count() const { return count_; }

 private:
  static constexpr std::size_t SLOTS = 1024;

  // The pixel's index, entered when new; -1 when the table is full.
  int indexof(std::uint32_t pixel) {
    std::size_t slot = (pixel * 2654435761u) >> 22;
    while (index_[slot] != 0 && key_[slot] != pixel) slot = (slot + 1) % SLOTS;
    if (index_[slot] == 0) {
      if (count_ == 256) return -1;
      key_[slot] = pixel;
      index_[slot] = static_cast<std::uint16_t>(count_ + 1);
      table_[static_cast<std::size_t>(count_++)] = {static_cast<png_byte>(pixel >> 16),
                                                    static_cast<png_byte>(pixel >> 8),
                                                    static_cast<png_byte>(pixel)};
    }
    return index_[slot] - 1;
  }

  std::array<std::uint32_t, SLOTS> key_{};
  std::array<std::uint16_t, SLOTS> index_{};  // the index plus one; 0 for a free slot
  std::array<png_color, 256> table_{};
  int count_ = 0;
};

// What the write needs after libpng's long jump on an error: kept outside the function
// that jumps, so that nothing there is left half made.
struct Writing {
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  Colours colours;
  bool palette = false;
  png_byte row[VXPWIDTH * 3];
};

void onerror(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onwarning(png_structp, png_const_charp) {}

// The write itself; false when libpng reported an error. Every object it touches lives
// in `w`.
bool encode(Writing* w) {
  if (setjmp(png_jmpbuf(w->png)) != 0) return false;
  png_init_io(w->png, w->file);
  png_set_IHDR(w->png, w->info, VXPWIDTH, VXPHEIGHT, w->palette ? w->colours.depth() : 8,
               w->palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (w->palette) {
    png_set_PLTE(w->png, w->info, w->colours.table(), w->colours.count());
    // The indexes come from the table itself: libpng need not check each one.
    png_set_check_for_invalid_index(w->png, 0);
  }
  // A screenshot is written to be looked at or compared, not kept small: the lightest
  // compression, and no filter, which flat areas of one colour do not need (libpng
  // would try each filter on every row).
  png_set_compression_level(w->png, 1);
  // Rows repeat the row above, a few kilobytes back: a small window finds them, and
  // zlib's buffers stay small enough to come from the heap rather than fresh pages.
  png_set_compression_window_bits(w->png, 12);
  png_set_compression_mem_level(w->png, 5);
  png_set_filter(w->png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(w->png, w->info);
  for (int y = 0; y < VXPHEIGHT; ++y) {
    if (w->palette) {
      w->colours.indexrow(y, w->row);
    } else {
      const std::uint32_t* from = framebuffer + static_cast<std::size_t>(y) * VXPWIDTH;
      for (std::size_t x = 0; x < VXPWIDTH; ++x) {
        w->row[x * 3] = static_cast<png_byte>(from[x] >> 16);
        w->row[x * 3 + 1] = static_cast<png_byte>(from[x] >> 8);
        w->row[x * 3 + 2] = static_cast<png_byte>(from[x]);
      }
    }
    png_write_row(w->png, w->row);
  }
  png_write_end(w->png, nullptr);
  return true;
}

}  // namespace

bool writepng(const char* path) {
  if (path == nullptr) return false;
  Writing w;
  w.palette = w.colours.collect();
  // Not libpng's own file writer: on failure it removes whatever the path named.
  return vx::writefile(path, [&](std::FILE* file) {
    w.file = file;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &w, onerror, onwarning);
    if (w.png != nullptr) w.info = png_create_info_struct(w.png);
    bool written = w.png != nullptr && w.info != nullptr && encode(&w);
    png_destroy_write_struct(&w.png, &w.info);
    return written;
  });
}

}  // namespace vx::platform
