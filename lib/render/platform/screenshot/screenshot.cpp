// PNG pictures of the framebuffer: the chunks written here, the pixels compressed by
// stb's zlib compressor (stb.h), with settings that suit screenshots.
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "core/writefile.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/screenshot/stb.h"

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
  // pixel in the high bits, into `packed`.
  void indexrow(int y, std::uint8_t* packed) {
    const std::uint32_t* row = framebuffer + static_cast<std::size_t>(y) * VXPWIDTH;
    std::uint8_t indexes[VXPWIDTH];
    std::uint32_t last = row[0] & 0xFFFFFFu;
    auto index = static_cast<std::uint8_t>(indexof(last));
    for (int x = 0; x < VXPWIDTH; ++x) {
      std::uint32_t pixel = row[x] & 0xFFFFFFu;
      if (pixel != last) {
        last = pixel;
        index = static_cast<std::uint8_t>(indexof(pixel));
      }
      indexes[x] = index;
    }
    int bits = depth(), per = 8 / bits;
    for (int b = 0; b < VXPWIDTH / per; ++b) {
      unsigned byte = 0;
      for (int k = 0; k < per; ++k) byte = byte << bits | indexes[b * per + k];
      packed[b] = static_cast<std::uint8_t>(byte);
    }
  }

  // The table as PLTE holds it: red, green, blue for each index.
  const std::uint8_t* table() const { return table_.data(); }
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
      auto at = static_cast<std::size_t>(count_++) * 3;
      table_[at] = static_cast<std::uint8_t>(pixel >> 16);
      table_[at + 1] = static_cast<std::uint8_t>(pixel >> 8);
      table_[at + 2] = static_cast<std::uint8_t>(pixel);
    }
    return index_[slot] - 1;
  }

  std::array<std::uint32_t, SLOTS> key_{};
  std::array<std::uint16_t, SLOTS> index_{};  // the index plus one; 0 for a free slot
  std::array<std::uint8_t, std::size_t{256} * 3> table_{};
  int count_ = 0;
};

// The rows as PNG filters them, each led by its filter type: 0, none. A flat area of
// one colour needs no filter, and a row that repeats the one above is found by the
// compressor a row back.
std::vector<std::uint8_t> scanlines(Colours* colours, bool palette) {
  std::size_t rowbytes = palette ? VXPWIDTH * colours->depth() / 8 : VXPWIDTH * 3;
  std::vector<std::uint8_t> rows((rowbytes + 1) * VXPHEIGHT);
  for (int y = 0; y < VXPHEIGHT; ++y) {
    std::uint8_t* to = &rows[(rowbytes + 1) * static_cast<std::size_t>(y)];
    *to++ = 0;
    const std::uint32_t* from = framebuffer + static_cast<std::size_t>(y) * VXPWIDTH;
    if (y > 0 && std::memcmp(from, from - VXPWIDTH, VXPWIDTH * sizeof *from) == 0) {
      std::memcpy(to, to - rowbytes - 1, rowbytes);
    } else if (palette) {
      colours->indexrow(y, to);
    } else {
      for (std::size_t x = 0; x < VXPWIDTH; ++x) {
        to[x * 3] = static_cast<std::uint8_t>(from[x] >> 16);
        to[x * 3 + 1] = static_cast<std::uint8_t>(from[x] >> 8);
        to[x * 3 + 2] = static_cast<std::uint8_t>(from[x]);
      }
    }
  }
  return rows;
}

std::uint32_t crc32(std::uint32_t crc, const std::uint8_t* bytes, std::size_t size) {
  static const std::array<std::uint32_t, 256> TABLE = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    return table;
  }();
  for (std::size_t i = 0; i < size; ++i) crc = TABLE[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

void put32(std::vector<std::uint8_t>* out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out->push_back(static_cast<std::uint8_t>(value >> shift));
}

// One chunk: its length, name, data and the CRC of name and data.
void chunk(std::vector<std::uint8_t>* out, const char* name, const std::uint8_t* data,
           std::size_t size) {
  put32(out, static_cast<std::uint32_t>(size));
  std::size_t start = out->size();
  out->insert(out->end(), name, name + 4);
  if (size > 0) out->insert(out->end(), data, data + size);
  put32(out, ~crc32(~0u, out->data() + start, size + 4));
}

}  // namespace

bool writepng(const char* path) {
  if (path == nullptr) return false;
  Colours colours;
  bool palette = colours.collect();
  std::vector<std::uint8_t> rows = scanlines(&colours, palette);
  // A screenshot is written to be looked at or compared, not kept small: the least
  // effort the compressor takes.
  std::vector<std::uint8_t> compressed = stb::deflate(rows.data(), rows.size(), 5);
  if (compressed.empty()) {
    errno = ENOMEM;
    return false;
  }

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  png.reserve(compressed.size() + 1024);
  // Width, height, bits a pixel and colour type (3 palette, 2 RGB); compression,
  // filtering and interlace stay 0, the plain kinds.
  std::uint8_t header[13] = {0, 0, VXPWIDTH >> 8,  VXPWIDTH & 0xFF,
                             0, 0, VXPHEIGHT >> 8, VXPHEIGHT & 0xFF};
  header[8] = static_cast<std::uint8_t>(palette ? colours.depth() : 8);
  header[9] = palette ? 3 : 2;
  chunk(&png, "IHDR", header, sizeof header);
  if (palette) chunk(&png, "PLTE", colours.table(), static_cast<std::size_t>(colours.count()) * 3);
  chunk(&png, "IDAT", compressed.data(), compressed.size());
  chunk(&png, "IEND", nullptr, 0);
  return vx::writefile(path, [&](std::FILE* file) {
    return std::fwrite(png.data(), 1, png.size(), file) == png.size();
  });
}

}  // namespace vx::platform
