// Filled polygons: winding rule, sampled at pixel centres, outlined with the pen.
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "core/log.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace {

struct Crossing {
  double x;
  int direction;  // +1 for an edge going down, -1 going up
};

}  // namespace

void VXPfillpoly(int count, const VXPcoord* given) {
  vx::platform::Beneath beneath;
  using namespace vx::platform;
  if (count <= 0 || given == nullptr) return;
  auto n = static_cast<std::size_t>(count);
  std::vector<std::int64_t> points;
  try {
    points.resize(2 * n);
  } catch (const std::exception&) {
    vx::fatal("Couldn't allocate point array in VXPfillpoly.\n");
  }
  std::transform(given, given + points.size(), points.begin(), bounded);
  std::int64_t r = penreach();
  Box bounds{points[0], points[1], points[0], points[1]};
  for (std::size_t i = 1; i < n; ++i) {
    bounds.left = std::min<std::int64_t>(bounds.left, points[2 * i]);
    bounds.right = std::max<std::int64_t>(bounds.right, points[2 * i]);
    bounds.top = std::min<std::int64_t>(bounds.top, points[2 * i + 1]);
    bounds.bottom = std::max<std::int64_t>(bounds.bottom, points[2 * i + 1]);
  }
  Coverage coverage =
      startcoverage({bounds.left - r, bounds.top - r, bounds.right + 1 + r, bounds.bottom + 1 + r});
  if (coverage.cells.empty()) return;

  std::vector<Crossing> crossings;
  try {
    crossings.reserve(static_cast<std::size_t>(count));
  } catch (const std::exception&) {
    vx::fatal("Couldn't allocate point array in VXPfillpoly.\n");
  }
  for (std::int64_t y = coverage.box.top; y < coverage.box.bottom; ++y) {
    // Vertices lie on whole pixels and centres half-way, so no centre meets a vertex.
    double centre = static_cast<double>(y) + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      std::size_t j = (i + 1) % n;
      auto x1 = static_cast<double>(points[2 * i]), y1 = static_cast<double>(points[2 * i + 1]);
      auto x2 = static_cast<double>(points[2 * j]), y2 = static_cast<double>(points[2 * j + 1]);
      if ((y1 < centre) == (y2 < centre)) continue;
      double x = x1 + (centre - y1) * (x2 - x1) / (y2 - y1);
      crossings.push_back({x, y2 > y1 ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    double start = 0;
    for (const Crossing& crossing : crossings) {
      int before = winding;
      winding += crossing.direction;
      if (before == 0 && winding != 0) start = crossing.x;
      if (before != 0 && winding == 0) {
        // The pixels whose centres lie in [start, x).
        auto first = static_cast<std::int64_t>(std::ceil(start - 0.5));
        auto end = static_cast<std::int64_t>(std::ceil(crossing.x - 0.5));
        cover(coverage, {first, y, end, y + 1}, BRUSHCELL);
      }
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t j = (i + 1) % n;
    linepieces(
        points[2 * i], points[2 * i + 1], points[2 * j], points[2 * j + 1], static_cast<int>(r),
        coverage.box,
        [](const Box& piece, void* context) {
          cover(*static_cast<Coverage*>(context), piece, PENCELL);
        },
        &coverage);
  }
  paintcoverage(coverage);
}
