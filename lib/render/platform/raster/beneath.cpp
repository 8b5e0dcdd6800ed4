// Drawing beneath the popups and windows whose stores cover the screen.
#include <algorithm>
#include <climits>
#include <utility>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

namespace {

// Handed over by the layer that knows the levels; outlives any window.
int (*drawlevel)() = nullptr;

// Exchanges a store's kept pixels with the screen's where it was saved: done twice, both
// are as they were, so the same call takes a cover off and puts it back.
void swap(Store& store) {
  Box on{store.savedleft + store.kept.left, store.savedtop + store.kept.top,
         store.savedleft + store.kept.right, store.savedtop + store.kept.bottom};
  if (isempty(on)) return;
  std::int64_t stride = on.right - on.left;
  std::uint32_t* kept = store.pixels.data();
  for (std::int64_t y = on.top; y < on.bottom; ++y, kept += stride)
    std::swap_ranges(kept, kept + stride, framebuffer + y * VXPWIDTH + on.left);
  framechanged = true;
}

}  // namespace

Beneath::Beneath() {
  if (raster.beneathdepth++ > 0 || drawlevel == nullptr) return;
  bool any = false;
  for (const Store& store : raster.stores) any = any || (store.level > 0 && store.savedwidth > 0);
  if (!any) return;
  int level = drawlevel();
  // Topmost first: the higher level, or the later of two at one level.
  auto above = [](const Store& p, const Store& q) {
    return p.level != q.level ? p.level > q.level : p.order > q.order;
  };
  bool taken[SLOTS] = {};
  for (;;) {
    int top = -1;
    for (int k = 0; k < SLOTS; ++k) {
      const Store& store = raster.stores[k];
      if (taken[k] || store.level <= level || store.savedwidth <= 0) continue;
      if (top < 0 || above(store, raster.stores[top])) top = k;
    }
    if (top < 0) break;
    taken[top] = true;
    swap(raster.stores[top]);
    raster.peeled[raster.npeeled++] = top;
  }
}

Beneath::~Beneath() {
  if (--raster.beneathdepth > 0) return;
  while (raster.npeeled > 0) swap(raster.stores[raster.peeled[--raster.npeeled]]);
}

}  // namespace vx::platform

void VXPsetdrawlevel(int (*level)()) { vx::platform::drawlevel = level; }

void VXPsetstorelevel(int slot, int level) {
  using namespace vx::platform;
  if (slot < 1 || slot > SLOTS) return;
  Store& store = raster.stores[slot - 1];
  store.level = store.savedwidth > 0 ? std::max(level, 0) : 0;
  store.order = ++raster.coverings;
}
