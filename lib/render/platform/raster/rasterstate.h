// What the raster's drawing routines share: the drawing state, colour mapping and the
// clipped painting of boxes and figure coverages.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "render/platform/platform.h"

namespace vx::platform {

// A half-open box of pixels: columns left to right - 1, rows top to bottom - 1. Wide
// integers, so that no argument combination can overflow.
struct Box {
  std::int64_t left;
  std::int64_t top;
  std::int64_t right;
  std::int64_t bottom;
};

// A coordinate brought within VXPFAR of the origin: the raster's sums and products of
// such values cannot overflow.
inline std::int64_t bounded(std::int64_t value) { return std::clamp(value, -VXPFAR, VXPFAR); }

Box intersect(const Box& a, const Box& b);
bool isempty(const Box& box);
// The box covered by left, top, width, height (empty for sizes of 0 or less), each
// value bounded first.
Box boxof(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);

struct DrawState {
  std::uint8_t index;  // the current colour index
  bool colorset;       // false until the first colour is set
  int width;           // 1 or 3
  int font;            // the code last set
  int selectedfont;    // 10 or 15: the face text is measured and drawn in
  bool xormode;
  bool clipped;
  Box clip;  // when clipped
};

// How many backing stores there are (numbered 1 to SLOTS).
constexpr int SLOTS = 5;

// A backing store: the part of a saved rectangle that lay on the screen.
struct Store {
  bool hasbitmap = false;
  std::int64_t width = 0;  // of the bitmap it stands for
  std::int64_t height = 0;
  std::int64_t savedwidth = 0;  // 0: nothing saved
  std::int64_t savedheight = 0;
  Box kept{};  // the saved screen part, relative to the saved rectangle's corner
  std::vector<std::uint32_t> pixels;  // the kept part, row by row
  std::int64_t savedleft = 0;         // where the saved rectangle's corner was
  std::int64_t savedtop = 0;
  // While saved for something that covers the screen: the level of what covers it (0
  // for nothing) and the order it came up in.
  int level = 0;
  long order = 0;
};

// The raster's state, all of it; opening the window starts it afresh.
struct RasterState {
  DrawState drawstate{0, false, 1, 10, 10, false, false, Box{}};
  // Device colours (0x00RRGGBB) of the 256 indexes; until a palette is set every index
  // is black, and none takes part in reading a pixel back.
  std::uint32_t devicecolors[256] = {};
  int paletteentries = 0;
  Store stores[SLOTS];
  long coverings = 0;  // stores given a level so far, for their order
  // Drawing beneath what covers it: how deep the drawing calls are nested, and the
  // stores taken off the screen for the outermost one, topmost first.
  int beneathdepth = 0;
  int peeled[SLOTS] = {};
  int npeeled = 0;
};

extern RasterState raster;

// Held by every drawing call. When stores cover the screen at a level above what is
// being drawn, the outermost call swaps them off the screen first (topmost first), so
// the drawing lands on what they cover, and swaps them back afterwards: the screen keeps
// what covers it, and each store the new content beneath.
class Beneath {
 public:
  Beneath();
  ~Beneath();
  Beneath(const Beneath&) = delete;
  Beneath& operator=(const Beneath&) = delete;
};

// Device colour of a palette index, and the palette index of a pixel.
inline std::uint32_t devicecolor(std::uint8_t index) { return raster.devicecolors[index]; }
std::uint8_t nearestindex(std::uint32_t pixel);

// The clip rectangle met with the framebuffer: where drawing may land.
Box drawablebox();

// The string store is left out where a sanitizer must see every store.
#if defined(__SANITIZE_ADDRESS__)
#define VX_STRING_STORES 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define VX_STRING_STORES 0
#endif
#endif
#if !defined(VX_STRING_STORES) && (defined(__x86_64__) || defined(__i386__))
#define VX_STRING_STORES 1
#elif !defined(VX_STRING_STORES)
#define VX_STRING_STORES 0
#endif

// Fills n pixels with one colour: what every fill and run comes down to.
inline void fillpixels(std::uint32_t* to, std::size_t n, std::uint32_t color) {
#if VX_STRING_STORES
  // Long runs go to the processor's string store, which writes whole cache lines without
  // reading them first, as memset does; vector stores reach only two thirds of that.
  // Below a few hundred pixels its start-up costs more than it saves.
  if (n >= 192) {
    __asm__ __volatile__("rep stosl" : "+D"(to), "+c"(n) : "a"(color) : "memory");
    return;
  }
#endif
  // Four at a time: GCC's -O2 leaves a plain loop scalar.
  typedef std::uint32_t Four __attribute__((vector_size(16)));
  const Four four = {color, color, color, color};
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4) std::memcpy(to + i, &four, sizeof four);
  for (; i < n; i++) to[i] = color;
}

// Exclusive-or of n pixels with one colour, four at a time.
inline void xorpixels(std::uint32_t* to, std::size_t n, std::uint32_t color) {
  typedef std::uint32_t Four __attribute__((vector_size(16)));
  const Four four = {color, color, color, color};
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4) {
    Four pixels;
    std::memcpy(&pixels, to + i, sizeof pixels);
    pixels ^= four;
    std::memcpy(to + i, &pixels, sizeof pixels);
  }
  for (; i < n; i++) to[i] ^= color;
}

// Paints a box in one colour, within the drawable box; exclusive-or when asked.
void paintbox(const Box& box, std::uint32_t color, bool usexor);

// Which pixels of a figure take the pen and which the brush, so that pixels covered by
// several parts of the figure are painted once (exclusive-or must see each only once).
constexpr std::uint8_t BRUSHCELL = 1;
constexpr std::uint8_t PENCELL = 2;
struct Coverage {
  Box box;
  std::vector<std::uint8_t> cells;
};
// A coverage of the drawable part of the figure's bounds.
Coverage startcoverage(const Box& bounds);
// Marks a box; the pen wins over the brush.
void cover(Coverage& coverage, const Box& box, std::uint8_t cell);
// Paints the coverage in the pen and brush colours and the current raster mode.
void paintcoverage(const Coverage& coverage);

// The pixels of a line without its end point, drawn with a square pen of half size
// `reach` (0 for width 1, 1 for width 3), limited to `limit`: hands each covered piece to
// `emit` as a box one pixel wide or high, and each pixel to exactly one box.
void linepieces(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, int reach,
                const Box& limit, void (*emit)(const Box& piece, void* context), void* context);

// Device colours of the pen, the brush and text, looked up at drawing time so that a
// palette set later reaches them. Before any colour is set the pen and text are black
// and the brush is white, as a fresh drawing context has them.
inline std::uint32_t pencolor() {
  return raster.drawstate.colorset ? devicecolor(raster.drawstate.index) : 0;
}
inline std::uint32_t brushcolor() {
  return raster.drawstate.colorset ? devicecolor(raster.drawstate.index) : 0xFFFFFF;
}
inline std::uint32_t textcolor() { return pencolor(); }

// The half size of the current pen.
inline int penreach() { return raster.drawstate.width == 3 ? 1 : 0; }

}  // namespace vx::platform
