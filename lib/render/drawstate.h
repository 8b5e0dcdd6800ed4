// The shared drawing state, which drawing routines put back as they found it.
#pragma once

#include "model/model.h"

namespace vx {

// Keeps the font, colour and line width while it lives and puts them back when it goes,
// on every way out.
class KeepDrawState {
 public:
  KeepDrawState();
  ~KeepDrawState();
  KeepDrawState(const KeepDrawState&) = delete;
  KeepDrawState& operator=(const KeepDrawState&) = delete;

 private:
  int font_;
  Color color_;
  int linewidth_;
};

// The same for the current window (and so the clip of its interior).
class KeepCurrentWindow {
 public:
  KeepCurrentWindow();
  ~KeepCurrentWindow();
  KeepCurrentWindow(const KeepCurrentWindow&) = delete;
  KeepCurrentWindow& operator=(const KeepCurrentWindow&) = delete;

 private:
  int window_;
};

}  // namespace vx
