// Backing-store bitmaps: screen rectangles kept off-screen and copied back.
#include <algorithm>
#include <new>
#include <vector>

#include "render/platform/platform.h"
#include "render/platform/raster.h"
#include "render/platform/rasterstate.h"

namespace vx::platform {

namespace {

constexpr int SLOTS = 5;
// A bitmap larger than this many pixels (1 GiB) cannot be created.
constexpr std::int64_t MAXSTOREPIXELS = std::int64_t{1} << 28;

struct Store {
  bool hasbitmap = false;
  std::int64_t width = 0;  // of the bitmap
  std::int64_t height = 0;
  std::vector<std::uint32_t> pixels;
  std::int64_t savedwidth = 0;  // 0: nothing saved
  std::int64_t savedheight = 0;
};

Store stores[SLOTS];

Store& slotstore(int slot) {
  if (slot < 1 || slot > SLOTS) {
    VXerror(-1, "Backing store %d does not exist: the stores are numbered 1 to %d.\n", slot, SLOTS);
  }
  return stores[slot - 1];
}

}  // namespace

void releasestores() {
  for (Store& store : stores) store = Store{};
}

}  // namespace vx::platform

int VXPcreatestore(int slot, int width, int height) {
  using namespace vx::platform;
  Store& store = slotstore(slot);
  store = Store{};
  if (width <= 0 || height <= 0) return 1;
  std::int64_t area = std::int64_t{width} * height;
  if (area > MAXSTOREPIXELS) return 0;
  try {
    store.pixels.assign(static_cast<std::size_t>(area), 0x00FFFFFFu);
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
  if (!store.hasbitmap) VXerror(-1, "Error:  attempt to copy from null bstore %d.\n", slot);
  store.savedwidth = width;
  store.savedheight = height;
  // Only what fits the bitmap is kept, and only screen pixels are read: the rest of the
  // bitmap keeps the window's background.
  std::fill(store.pixels.begin(), store.pixels.end(), 0x00FFFFFFu);
  Box kept = intersect(boxof(left, top, std::min<std::int64_t>(width, store.width),
                             std::min<std::int64_t>(height, store.height)),
                       {0, 0, VXPWIDTH, VXPHEIGHT});
  for (std::int64_t y = kept.top; y < kept.bottom; ++y) {
    const std::uint32_t* from = framebuffer + y * VXPWIDTH;
    std::uint32_t* to = store.pixels.data() + (y - top) * store.width + (kept.left - left);
    std::copy(from + kept.left, from + kept.right, to);
  }
  return 1;
}

int VXPrestorestore(int slot, VXPcoord left, VXPcoord top) {
  using namespace vx::platform;
  Store& store = slotstore(slot);
  if (store.hasbitmap && store.savedwidth > 0 && store.savedheight > 0) {
    // A block copy: the clip applies, the raster mode does not.
    Box shown = intersect(boxof(left, top, std::min<std::int64_t>(store.savedwidth, store.width),
                                std::min<std::int64_t>(store.savedheight, store.height)),
                          drawablebox());
    for (std::int64_t y = shown.top; y < shown.bottom; ++y) {
      const std::uint32_t* from =
          store.pixels.data() + (y - top) * store.width + (shown.left - left);
      std::copy(from, from + (shown.right - shown.left), framebuffer + y * VXPWIDTH + shown.left);
    }
    framechanged = true;
  }
  store.savedwidth = 0;
  store.savedheight = 0;
  return 1;
}
