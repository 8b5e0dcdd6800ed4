// Key presses, the keyboard handler and moving the pointer with the arrow keys.
#include "events/keys.h"

#include <algorithm>
#include <climits>

#include "core/log.h"
#include "events/pointer.h"
#include "model/callbacks.h"
#include "model/getname.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

namespace vx {

namespace {

constexpr int CONTROLQ = 17;
constexpr int CONTROLT = 20;

const FunctionEntry* handler = nullptr;
bool fastpointer = false;

// The pointer may not come nearer the screen's edges than this.
constexpr int MARGIN = 8;

int difference(int a, int b) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b, INT_MIN, INT_MAX));
}

}  // namespace

void processkey(int x, int y, int key) {
  if (key == CONTROLQ) fatal("Program terminated by the user pressing 'Control-Q'.");
  if (key == CONTROLT) {
    fastpointer = !fastpointer;
    return;
  }
  if (handler == nullptr) return;
  int left = 0, top = 0;
  if (model.nwindows > 0) {
    const Window& win = model.Win[currentwindowindex()];
    left = win.left;
    top = win.top;
  }
  callevent(handler, difference(x, left), difference(y, top), key & 0xFF);
}

void resetkeys() {
  handler = nullptr;
  fastpointer = false;
}

}  // namespace vx

using namespace vx;

void VXsetkeyboardhandler(const char* function) {
  handler = model.functions[getname(model.functions, model.nfunctions, function, "function")].entry;
}

void VXclearkeyboardhandler(void) { handler = nullptr; }

void VXmovepointer(int key) {
  int x = pointerx, y = pointery;
  int steps = fastpointer ? 25 : 5;
  for (int i = 0; i < steps; i++) {
    switch (key) {
      case ARROWLEFT: pointerx--; break;
      case ARROWRIGHT: pointerx++; break;
      case ARROWUP: pointery--; break;
      case ARROWDOWN: pointery++; break;
      default: return;
    }
    // A step that comes too near an edge undoes the whole call.
    if (pointerx < MARGIN || pointerx > VXPWIDTH - 1 - MARGIN || pointery < MARGIN ||
        pointery > VXPHEIGHT - 1 - MARGIN) {
      pointerx = x;
      pointery = y;
      // A window's own pointer was moved by the steps before: it goes back too.
      if (i > 0) VXPsetpointer(x, y);
      return;
    }
    VXPsetpointer(pointerx, pointery);
  }
}
