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

// Marks what is drawn while it lives as the open popup's own, drawn on top of every
// window, rather than into the current window beneath it.
class DrawingOnTop {
 public:
  DrawingOnTop();
  ~DrawingOnTop();
  DrawingOnTop(const DrawingOnTop&) = delete;
  DrawingOnTop& operator=(const DrawingOnTop&) = delete;
};

// The level of what is being drawn: the popup's when drawing on top, else the current
// window's (0 when it is not shown). Drawing lands beneath stores that cover the screen
// at a higher level.
int drawinglevel();

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
