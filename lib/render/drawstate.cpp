// Keeping and putting back the drawing state and the current window.
#include "render/drawstate.h"

#include <climits>

#include "render/platform/platform.h"
#include "render/state.h"
#include "render/windows.h"

namespace vx {

KeepDrawState::KeepDrawState()
    : font_(VXPgetfont()), color_(VXPgetcolor()), linewidth_(VXPgetlinewidth()) {}

KeepDrawState::~KeepDrawState() {
  VXPsetfont(font_);
  VXPsetcolor(color_);
  VXPsetlinewidth(linewidth_);
}

DrawingOnTop::DrawingOnTop() { ++render.ontop; }

DrawingOnTop::~DrawingOnTop() { --render.ontop; }

int drawinglevel() {
  if (render.ontop > 0) return INT_MAX;
  const Window* win = currentwindowrecord();
  return win != nullptr ? win->active : 0;
}

KeepCurrentWindow::KeepCurrentWindow() : window_(currentwindowindex()) {}

KeepCurrentWindow::~KeepCurrentWindow() { setcurrentwindow(window_); }

}  // namespace vx
