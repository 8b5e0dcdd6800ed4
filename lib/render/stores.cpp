// The backing stores: sizes, creation, and who holds which.
#include "render/stores.h"

#include <algorithm>

#include "core/log.h"
#include "model/model.h"
#include "model/reports.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"

namespace vx {

namespace {

bool valid(int n) { return n >= 1 && n <= NSTORES; }

void grow(StoreSize& s, int width, int height) {
  s.width = std::max(s.width, width);
  s.height = std::max(s.height, height);
}

}  // namespace

std::array<StoreSize, NSTORES + 1> storesizes(int bstore) {
  std::array<StoreSize, NSTORES + 1> sizes{};
  // Every item counts, shown or not: items may be shown while the program runs.
  for (int p = 0; p < model.npopups; p++) {
    const Popup& popup = model.Popups[p];
    grow(sizes[1], popup.width, rowsheight(popup.nitems));
  }
  if (bstore != BSTORE) return sizes;
  for (int w = 0; w < model.nwindows; w++) {
    const Window& win = model.Win[w];
    if (win.bstore == 0) continue;
    if (!valid(win.bstore)) fatal(reports::STORENUMBER, win.bstore);
    grow(sizes[win.bstore], win.width, win.height);
  }
  return sizes;
}

void initstores(int bstore) {
  render.created = storesizes(bstore);
  render.bstoreswitch = bstore;
  for (int k = 1; k <= NSTORES; k++) {
    render.occupied[k] = false;
    if (VXPcreatestore(k, render.created[k].width, render.created[k].height) == 0)
      fatal(reports::STORECREATE, k);
  }
}

bool storeoccupied(int n) { return valid(n) && render.occupied[n]; }

void setstoreoccupied(int n, bool held) {
  if (valid(n)) render.occupied[n] = held;
}

void claimwindowstore(int w) {
  const Window& win = model.Win[w];
  int n = win.bstore;
  if (render.bstoreswitch != BSTORE)
    fatal(
        "Error - interface was not initialized withbacking store.\nIn VXinterfaceinit, pass "
        "BSTORE as the bstore argument.\n");
  // Start-up checked the number when the switch was on; a model changed since then
  // must still not reach a store that does not exist.
  if (!valid(n)) fatal(reports::STORENUMBER, n);
  if (storeoccupied(n)) fatal("Error - backing store %d is already occupied.\n", n);
  setstoreoccupied(n, true);
  // A window resized since start-up may be larger than its store: only what fits is
  // saved, and only that comes back when it is hidden.
  VXPsavestore(n, win.left, win.top, std::min(win.width, render.created[n].width),
               std::min(win.height, render.created[n].height));
}

}  // namespace vx
