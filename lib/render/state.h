// The rendering layer's state, all of it: what initialisation sets before anything is
// drawn, and what drawing keeps between calls.
#pragma once

#include <array>

namespace vx {

constexpr int NSTORES = 5;  // numbered 1 to 5; store 1 serves the popups

struct StoreSize {
  int width = 0;
  int height = 0;
};

struct RenderState {
  // The level a window must hold in its `active` to take input; modal windows and the
  // open popup raise it by one while they are up.
  int shownlevel = 1;
  // Index in Popups of the popup that is open, or -1.
  int openedpopup = -1;
  // The bstore argument of VXinterfaceinit; BSTORE lets windows claim their stores.
  int bstoreswitch = 0;
  // The window whose origin window-relative drawing uses.
  int currentwindow = 0;
  // The window current when the open popup opened, current again when it closes.
  int windowatopening = 0;
  // The band last painted in the highlight colour: popup, row and item, or -1.
  int highlightpopup = -1;
  int highlightrow = -1;
  int highlightitem = -1;
  // How deep the drawing of the open popup is nested: while above 0, what is drawn lies
  // on top of everything.
  int ontop = 0;
  // Which stores are held, and their bitmaps' sizes (entry 0 unused).
  std::array<bool, NSTORES + 1> occupied{};
  std::array<StoreSize, NSTORES + 1> created{};
};

extern RenderState render;

// Everything as an interface just brought up has it: level 1, no popup open, window 0
// current (the clip untouched), no band, every store free, window stores off.
void resetrenderstate();

}  // namespace vx
