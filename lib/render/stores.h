// The five backing stores that keep what popups and windows cover.
#pragma once

#include <array>

#include "render/state.h"

namespace vx {

// Entry n (1 to 5) is store n's bitmap size: store 1 fits every popup with all its
// items, and with the switch at BSTORE each store fits every window naming it, the
// widths and heights maximised separately. A window naming a store outside 1 to 5
// is fatal when the switch is BSTORE.
std::array<StoreSize, NSTORES + 1> storesizes(int bstore);

// Sizes the stores, records the switch, frees every store and creates the bitmaps;
// a store nobody needs gets none. Fatal when a bitmap cannot be made.
void initstores(int bstore);

bool storeoccupied(int n);
void setstoreoccupied(int n, bool occupied);

// What showing window w with its store requested does before drawing: the switch
// must be BSTORE and the window's store free; the store is then held and the screen
// under the window saved into it. Both failures are fatal.
void claimwindowstore(int w);

// Puts back what window w covered when it was shown with its store, releases the
// store, ends its modal level and marks it not shown. Window 0 becomes current.
void hidewindow(int w);

}  // namespace vx
