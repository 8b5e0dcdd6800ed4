// Library-wide rendering state that initialisation sets before anything is drawn.
#pragma once

namespace vx {

// The level a window must hold in its `active` to take input; modal windows and the
// open popup raise it by one while they are up. Starts at 1.
extern int shownlevel;

// Index in Popups of the popup that is open, or -1.
extern int openedpopup;

// The bstore argument of VXinterfaceinit; BSTORE lets windows claim their stores.
extern int bstoreswitch;

// Shown level 1, no popup open, window 0 current (without touching the clip), no
// highlight band, every store free, window stores off.
void resetrenderstate();

}  // namespace vx
