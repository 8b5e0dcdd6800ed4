// Key presses, the keyboard events.keyhandler and moving the pointer with the arrow keys.
#include "events/keys.h"

#include <algorithm>
#include <climits>

#include "core/log.h"
#include "events/state.h"
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

// The pointer may not come nearer the screen's edges than this.
constexpr int MARGIN = 8;

int difference(int a, int b) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b, INT_MIN, INT_MAX));
}

}  // namespace

void processkey(int x, int y, int key) {
  if (key == CONTROLQ) fatal("Program terminated by the user pressing 'Control-Q'.");
  if (key == CONTROLT) {
    events.fastpointer = !events.fastpointer;
    return;
  }
  if (events.keyhandler == nullptr) return;
  const Window* win = currentwindowrecord();
  int left = win != nullptr ? win->left : 0, top = win != nullptr ? win->top : 0;
  callevent(events.keyhandler, difference(x, left), difference(y, top), key & 0xFF);
}

}  // namespace vx

using namespace vx;

void VXsetkeyboardhandler(const char* function) {
  events.keyhandler =
      model.functions[getname(model.functions, model.nfunctions, function, "function")].entry;
}

void VXclearkeyboardhandler(void) { events.keyhandler = nullptr; }

void VXmovepointer(int key) {
  int x = events.pointerx, y = events.pointery;
  int steps = events.fastpointer ? 25 : 5;
  for (int i = 0; i < steps; i++) {
    switch (key) {
      case ARROWLEFT: events.pointerx--; break;
      case ARROWRIGHT: events.pointerx++; break;
      case ARROWUP: events.pointery--; break;
      case ARROWDOWN: events.pointery++; break;
      default: return;
    }
    // A step that comes too near an edge undoes the whole call.
    if (events.pointerx < MARGIN || events.pointerx > VXPWIDTH - 1 - MARGIN ||
        events.pointery < MARGIN || events.pointery > VXPHEIGHT - 1 - MARGIN) {
      events.pointerx = x;
      events.pointery = y;
      // A window's own pointer was moved by the steps before: it goes back too.
      if (i > 0) VXPsetpointer(x, y);
      return;
    }
    VXPsetpointer(events.pointerx, events.pointery);
  }
}
