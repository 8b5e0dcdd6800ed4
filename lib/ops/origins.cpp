// Moving and resizing windows and popups within the screen; nothing is redrawn.
#include "core/log.h"
#include "model/getname.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "vx.h"

using namespace vx;

namespace {

// The new left (or top) for a value asked for: kept when the far edge stays on the
// screen, else moved back so it does, else left as it was. Sums in 64 bits.
void hold(int& position, const int* wanted, int size, int screen) {
  if (wanted == nullptr) return;
  if (static_cast<long long>(*wanted) + size < screen) {
    position = *wanted;
  } else if (size < screen) {
    // No more than the value asked for, so an int holds it.
    position = static_cast<int>(static_cast<long long>(screen) - size);
  }
}

}  // namespace

void VXsetwindoworigin(const char* window, const int* left, const int* top, const int* width,
                       const int* height) {
  int w = getname(model.Win, model.nwindows, window);
  if (w < 0) fatal("Invalid window |%s| in set window origin.\n", window != nullptr ? window : "");
  Window& win = model.Win[w];
  if (width != nullptr && *width > 0) win.width = *width;
  if (height != nullptr && *height > 0) win.height = *height;
  hold(win.left, left, win.width, VXPWIDTH);
  hold(win.top, top, win.height, VXPHEIGHT);
}

void VXsetmenuorigin(const char* popup, const int* left, const int* top) {
  int p = getname(model.Popups, model.npopups, popup);
  if (p < 0) fatal("Invalid popup |%s| in set menu origin.\n", popup != nullptr ? popup : "");
  Popup& menu = model.Popups[p];
  hold(menu.left, left, menu.width, VXPWIDTH);
  hold(menu.top, top, menu.height, VXPHEIGHT);
}
