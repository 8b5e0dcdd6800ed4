// Backing-store bitmaps: screen rectangles kept off-screen and copied back.
//
// A store stands for a bitmap of its window's size, but only screen pixels are ever
// copied into it, and the rest of such a bitmap would only ever hold the background. So
// a store keeps just the part of a save that lay on the screen, and paints the rest
// in the background when it is restored: the same pixels at no more memory than the
// screen's, however large the window.
#include <algorithm>
#include <new>
#include <vector>

#include "core/log.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/rasterstate.h"

namespace vx::platform {

namespace {

// A bitmap of more pixels than this (1 GiB of them) is refused, as a window system
// refuses it, though a store never holds more than the screen's pixels.
constexpr std::int64_t MAXSTOREPIXELS = std::int64_t{1} << 28;
// What a bitmap holds where nothing of the screen was copied.
constexpr std::uint32_t BACKGROUND = 0x00FFFFFFu;

Store& slotstore(int slot) {
  if (slot < 1 || slot > SLOTS) {
    vx::fatal("Backing store %d does not exist: the stores are numbered 1 to %d.\n", slot, SLOTS);
  }
  return raster.stores[slot - 1];
}

// The part of a saved or restored rectangle at (left, top) that the bitmap covers.
Box bitmapbox(const Store& store, std::int64_t left, std::int64_t top, std::int64_t width,
              std::int64_t height) {
  return boxof(left, top, std::min(width, store.width), std::min(height, store.height));
}

}  // namespace

}  // namespace vx::platform

int VXPcreatestore(int slot, int width, int height) {
  using namespace vx::platform;
  Store& store = slotstore(slot);
  store = Store{};
  if (width <= 0 || height <= 0) return 1;
  std::int64_t area = std::int64_t{width} * height;
  if (area > MAXSTOREPIXELS) return 0;
  try {
    store.pixels.reserve(
        static_cast<std::size_t>(std::min<std::int64_t>(area, std::int64_t{VXPWIDTH} * VXPHEIGHT)));
  } catch (const std::bad_alloc&) {
    store = Store{};
    return 0;
  }
  store.hasbitmap = true;
  store.width = width;
  store.height = height;
  return 1;
}

int VXPsavestore(int slot, VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height) {
  using namespace vx::platform;
  Store& store = slotstore(slot);
  if (store.savedwidth > 0) return 0;
  if (!store.hasbitmap) vx::fatal("Error:  attempt to copy from null bstore %d.\n", slot);
  store.savedwidth = width;
  store.savedheight = height;
  left = bounded(left);
  top = bounded(top);
  store.savedleft = left;
  store.savedtop = top;
  store.level = 0;
  // Only what fits the bitmap is kept, and only screen pixels are read.
  Box kept = intersect(bitmapbox(store, left, top, width, height), {0, 0, VXPWIDTH, VXPHEIGHT});
  store.pixels.clear();
  if (isempty(kept)) {
    store.kept = Box{};
    return 1;
  }
  for (std::int64_t y = kept.top; y < kept.bottom; ++y) {
    const std::uint32_t* row = framebuffer + y * VXPWIDTH;
    store.pixels.insert(store.pixels.end(), row + kept.left, row + kept.right);
  }
  store.kept = {kept.left - left, kept.top - top, kept.right - left, kept.bottom - top};
  return 1;
}

int VXPrestorestore(int slot, VXPcoord left, VXPcoord top) {
  using namespace vx::platform;
  Store& store = slotstore(slot);
  if (store.hasbitmap && store.savedwidth > 0 && store.savedheight > 0) {
    // A block copy: the clip applies, the raster mode does not.
    left = bounded(left);
    top = bounded(top);
    Box drawable = drawablebox();
    Box shown =
        intersect(bitmapbox(store, left, top, store.savedwidth, store.savedheight), drawable);
    Box kept = intersect({left + store.kept.left, top + store.kept.top, left + store.kept.right,
                          top + store.kept.bottom},
                         shown);
    std::int64_t stride = store.kept.right - store.kept.left;
    if (isempty(shown)) shown.bottom = shown.top;
    for (std::int64_t y = shown.top; y < shown.bottom; ++y) {
      std::uint32_t* row = framebuffer + y * VXPWIDTH;
      if (y < kept.top || y >= kept.bottom || isempty(kept)) {
        std::fill(row + shown.left, row + shown.right, BACKGROUND);
        continue;
      }
      std::fill(row + shown.left, row + kept.left, BACKGROUND);
      const std::uint32_t* from = store.pixels.data() + (y - top - store.kept.top) * stride +
                                  (kept.left - left - store.kept.left);
      std::copy(from, from + (kept.right - kept.left), row + kept.left);
      std::fill(row + kept.right, row + shown.right, BACKGROUND);
    }
    if (!isempty(shown)) framechanged = true;
  }
  store.savedwidth = 0;
  store.savedheight = 0;
  store.level = 0;
  return 1;
}
