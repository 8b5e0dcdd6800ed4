// Keeping and putting back the drawing state and the current window.
#include "render/drawstate.h"

#include "render/platform/platform.h"
#include "render/windows.h"

namespace vx {

KeepDrawState::KeepDrawState()
    : font_(VXPgetfont()), color_(VXPgetcolor()), linewidth_(VXPgetlinewidth()) {}

KeepDrawState::~KeepDrawState() {
  VXPsetfont(font_);
  VXPsetcolor(color_);
  VXPsetlinewidth(linewidth_);
}

KeepCurrentWindow::KeepCurrentWindow() : window_(currentwindowindex()) {}

KeepCurrentWindow::~KeepCurrentWindow() { setcurrentwindow(window_); }

}  // namespace vx
