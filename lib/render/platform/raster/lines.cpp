// Lines without their end point, with a pen of width 1 or 3.
#include <algorithm>
#include <cstdlib>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

namespace {

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Wide;

// The minor coordinate of path pixels k, k + 1, ..., stepped in integers: path pixel k
// lies floor((2 k span + steps) / (2 steps)) minor steps from the start, the nearest
// pixel to the true line, ties away from the start.
struct Stepper {
  std::int64_t offset;  // minor steps from the start at pixel k
  std::int64_t error;   // (2 k span + steps) mod (2 steps)
  std::int64_t twicespan;
  std::int64_t twicesteps;

  Stepper(std::int64_t k, std::int64_t span, std::int64_t steps)
      : twicespan(2 * span), twicesteps(2 * steps) {
    // The one division of the line; 64 bits hold it for anything near the screen.
    if (k < (std::int64_t{1} << 20) && span < (std::int64_t{1} << 40)) {
      std::int64_t r = 2 * k * span + steps;
      offset = r / twicesteps;
      error = r % twicesteps;
    } else {
      Wide r = 2 * static_cast<Wide>(k) * span + steps;
      offset = static_cast<std::int64_t>(r / twicesteps);
      error = static_cast<std::int64_t>(r % twicesteps);
    }
  }

  // The span is at most the steps, so the offset grows by at most one.
  void next() {
    error += twicespan;
    if (error >= twicesteps) {
      error -= twicesteps;
      ++offset;
    }
  }
};

// A line set up once: it moves one pixel along its major axis at each step, and by the
// nearest whole pixel along the minor one.
struct Path {
  bool xmajor;
  std::int64_t major1, minor1;
  std::int64_t majorstep, minorstep;  // -1 or 1
  std::int64_t span, steps;           // the minor and major distances
  // Path position j lies at major1 + majorstep * j. The pen reaches positions -reach to
  // steps - 1 + reach; these are the first and last of them inside the limit (none when
  // first > last). Only they are visited, so a line of any length costs at most a
  // screen's width.
  std::int64_t first = 0, last = -1;

  Path(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, int reach,
       const Box& limit) {
    std::int64_t adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
    xmajor = adx >= ady;
    major1 = xmajor ? x1 : y1;
    minor1 = xmajor ? y1 : x1;
    majorstep = (xmajor ? x2 - x1 : y2 - y1) < 0 ? -1 : 1;
    minorstep = (xmajor ? y2 - y1 : x2 - x1) < 0 ? -1 : 1;
    span = xmajor ? ady : adx;
    steps = xmajor ? adx : ady;  // the pixels of the path, end point excluded
    if (steps == 0 || isempty(limit)) return;
    std::int64_t lo = xmajor ? limit.left : limit.top;
    std::int64_t hi = xmajor ? limit.right : limit.bottom;
    first = std::max<std::int64_t>(majorstep > 0 ? lo - major1 : major1 - (hi - 1), -reach);
    last = std::min<std::int64_t>(majorstep > 0 ? hi - 1 - major1 : major1 - lo, steps - 1 + reach);
  }
};

// Calls piece(c, first, last) for each position the pen reaches inside the limit, with c
// its major coordinate and first to last the minor range the pen covers there (not yet
// limited). There the pen squares of path pixels j - Reach to j + Reach (those on the
// path) meet; the minor coordinate is monotonic, so the two ends bound the piece.
template <int Reach, typename Piece>
void walk(const Path& path, Piece piece) {
  if (path.first > path.last) return;
  std::int64_t a = std::max<std::int64_t>(path.first - Reach, 0);
  std::int64_t b = std::min(path.first + Reach, path.steps - 1);
  Stepper lower(a, path.span, path.steps);
  Stepper upper = Reach == 0 ? lower : Stepper(b, path.span, path.steps);
  std::int64_t c = path.major1 + path.majorstep * path.first;
  for (std::int64_t j = path.first;; ++j, c += path.majorstep) {
    std::int64_t ma = path.minor1 + path.minorstep * lower.offset;
    if constexpr (Reach == 0) {
      piece(c, ma, ma);
    } else {
      std::int64_t mb = path.minor1 + path.minorstep * upper.offset;
      piece(c, std::min(ma, mb) - Reach, std::max(ma, mb) + Reach);
    }
    if (j == path.last) break;
    if (Reach == 0 || j + 1 - Reach > a) {
      ++a;
      lower.next();
    }
    if (Reach != 0 && j + 1 + Reach <= path.steps - 1) {
      ++b;
      upper.next();
    }
  }
}

template <typename Piece>
void walk(const Path& path, int reach, Piece piece) {
  if (reach == 0) {
    walk<0>(path, piece);
  } else {
    walk<1>(path, piece);
  }
}

// Width 3: the line's pieces written straight into the framebuffer; true when any pixel
// was.
template <bool Xor>
bool strokewide(const Path& path, const Box& limit, std::uint32_t color) {
  std::int64_t lo = path.xmajor ? limit.top : limit.left;
  std::int64_t hi = path.xmajor ? limit.bottom : limit.right;
  std::int64_t majorstride = path.xmajor ? 1 : VXPWIDTH;
  std::int64_t minorstride = path.xmajor ? VXPWIDTH : 1;
  bool painted = false;
  walk<1>(path, [&](std::int64_t c, std::int64_t first, std::int64_t last) {
    first = std::max(first, lo);
    last = std::min(last, hi - 1);
    if (first > last) return;
    painted = true;
    std::uint32_t* pixel = framebuffer + c * majorstride + first * minorstride;
    for (; first <= last; ++first, pixel += minorstride) {
      if constexpr (Xor) {
        *pixel ^= color;
      } else {
        *pixel = color;
      }
    }
  });
  return painted;
}

// Width 1, the common case, in one loop: a pixel at each position, its place in the
// framebuffer stepped along with the line and written when inside the limit.
template <bool Xor>
bool strokethin(const Path& path, const Box& limit, std::uint32_t color) {
  if (path.first > path.last) return false;
  std::int64_t lo = path.xmajor ? limit.top : limit.left;
  auto extent = static_cast<std::uint64_t>((path.xmajor ? limit.bottom : limit.right) - lo);
  std::int64_t majorstride = path.xmajor ? 1 : VXPWIDTH;
  std::int64_t minorstride = path.xmajor ? VXPWIDTH : 1;
  Stepper step(path.first, path.span, path.steps);
  std::int64_t m = path.minor1 + path.minorstep * step.offset;
  // An index, not a pointer: off the limit it may lie outside the framebuffer.
  std::int64_t at = (path.major1 + path.majorstep * path.first) * majorstride + m * minorstride;
  std::int64_t majordelta = path.majorstep * majorstride;
  std::int64_t minordelta = path.minorstep * minorstride;
  bool painted = false;
  for (std::int64_t n = path.last - path.first + 1; n > 0; --n) {
    if (static_cast<std::uint64_t>(m - lo) < extent) {
      if constexpr (Xor) {
        framebuffer[at] ^= color;
      } else {
        framebuffer[at] = color;
      }
      painted = true;
    }
    at += majordelta;
    step.error += step.twicespan;
    if (step.error >= step.twicesteps) {
      step.error -= step.twicesteps;
      m += path.minorstep;
      at += minordelta;
    }
  }
  return painted;
}

}  // namespace

void linepieces(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, int reach,
                const Box& limit, void (*emit)(const Box& piece, void* context), void* context) {
  Path path(x1, y1, x2, y2, reach, limit);
  walk(path, reach, [&](std::int64_t c, std::int64_t first, std::int64_t last) {
    Box piece = path.xmajor ? Box{c, first, c + 1, last + 1} : Box{first, c, last + 1, c + 1};
    piece = intersect(piece, limit);
    if (!isempty(piece)) emit(piece, context);
  });
}

}  // namespace vx::platform

void VXPline(VXPcoord x1, VXPcoord y1, VXPcoord x2, VXPcoord y2) {
  vx::platform::Beneath beneath;
  using namespace vx::platform;
  int reach = penreach();
  Box limit = drawablebox();
  Path path(bounded(x1), bounded(y1), bounded(x2), bounded(y2), reach, limit);
  bool usexor = raster.drawstate.xormode;
  std::uint32_t color = pencolor();
  bool painted =
      reach == 0
          ? (usexor ? strokethin<true>(path, limit, color) : strokethin<false>(path, limit, color))
          : (usexor ? strokewide<true>(path, limit, color) : strokewide<false>(path, limit, color));
  if (painted) framechanged = true;
}
