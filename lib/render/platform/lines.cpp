// Lines without their end point, with a pen of width 1 or 3.
#include <algorithm>
#include <cstdlib>

#include "render/platform/platform.h"
#include "render/platform/rasterstate.h"

namespace vx::platform {

namespace {

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Wide;

}  // namespace

void linepieces(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, int reach,
                const Box& limit, void (*emit)(const Box& piece, void* context), void* context) {
  std::int64_t dx = x2 - x1;
  std::int64_t dy = y2 - y1;
  std::int64_t adx = dx < 0 ? -dx : dx;
  std::int64_t ady = dy < 0 ? -dy : dy;
  std::int64_t steps = std::max(adx, ady);  // the pixels of the path, end point excluded
  if (steps == 0 || isempty(limit)) return;
  bool xmajor = adx >= ady;
  std::int64_t major1 = xmajor ? x1 : y1;
  std::int64_t minor1 = xmajor ? y1 : x1;
  std::int64_t majorstep = (xmajor ? dx : dy) < 0 ? -1 : 1;
  std::int64_t minorstep = (xmajor ? dy : dx) < 0 ? -1 : 1;
  std::int64_t minorspan = xmajor ? ady : adx;
  // The minor coordinate of path pixel k, rounded to the nearest pixel.
  auto minorat = [&](std::int64_t k) {
    Wide offset = (2 * static_cast<Wide>(k) * minorspan + steps) / (2 * static_cast<Wide>(steps));
    return minor1 + minorstep * static_cast<std::int64_t>(offset);
  };
  // Only the major positions inside the limit are visited, so a line of any length
  // costs at most a screen's width.
  std::int64_t lo = xmajor ? limit.left : limit.top;
  std::int64_t hi = xmajor ? limit.right : limit.bottom;
  std::int64_t pathfirst = std::min(major1, major1 + majorstep * (steps - 1));
  std::int64_t pathlast = std::max(major1, major1 + majorstep * (steps - 1));
  std::int64_t from = std::max(lo, pathfirst - reach);
  std::int64_t to = std::min(hi - 1, pathlast + reach);
  for (std::int64_t c = from; c <= to; ++c) {
    // The path pixels whose pen square reaches position c.
    std::int64_t k1 = majorstep > 0 ? c - reach - major1 : major1 - c - reach;
    std::int64_t k2 = k1 + 2 * reach;
    k1 = std::max<std::int64_t>(k1, 0);
    k2 = std::min(k2, steps - 1);
    if (k1 > k2) continue;
    // The minor coordinate is monotonic along the path, so the ends bound the piece.
    std::int64_t m1 = minorat(k1);
    std::int64_t m2 = minorat(k2);
    std::int64_t first = std::min(m1, m2) - reach;
    std::int64_t last = std::max(m1, m2) + reach;
    Box piece = xmajor ? Box{c, first, c + 1, last + 1} : Box{first, c, last + 1, c + 1};
    piece = intersect(piece, limit);
    if (!isempty(piece)) emit(piece, context);
  }
}

}  // namespace vx::platform

void VXPline(VXPcoord x1, VXPcoord y1, VXPcoord x2, VXPcoord y2) {
  using namespace vx::platform;
  std::uint32_t color = pencolor();
  vx::platform::linepieces(
      bounded(x1), bounded(y1), bounded(x2), bounded(y2), penreach(), drawablebox(),
      [](const Box& piece, void* context) {
        paintbox(piece, *static_cast<std::uint32_t*>(context), drawstate.xormode);
      },
      &color);
}
