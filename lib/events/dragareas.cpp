// The drag areas under the pointer, pressed or not: DRAGINSIDE on every move inside,
// one DRAGLEAVE per leaving.
#include "core/log.h"
#include "events/mouse.h"
#include "events/state.h"
#include "model/callbacks.h"
#include "model/model.h"
#include "render/state.h"
#include "render/windows.h"

namespace vx {

namespace {

bool held(int w, int b) {
  for (const AreaSlot& slot : events.inside)
    if (slot.w == w && slot.b == b) return true;
  return false;
}

AreaSlot* freeslot() {
  for (AreaSlot& slot : events.inside)
    if (slot.w < 0) return &slot;
  return nullptr;
}

bool exists(const AreaSlot& p) {
  return p.w < model.nwindows && p.b >= 0 && p.b < model.Win[p.w].nbuttons;
}

}  // namespace

void forgetinside() {
  for (AreaSlot& slot : events.inside) slot = AreaSlot{};
}

void processmouseinside(int x, int y) {
  int remembered = currentwindowindex();
  for (AreaSlot& slot : events.inside) {
    if (slot.w < 0) continue;
    AreaSlot pair = slot;
    if (!exists(pair) || model.Win[pair.w].active != render.shownlevel) {
      // Hidden, or shut out by a modal window or a popup: dropped without a call.
      slot = AreaSlot{};
    } else if (!insidebutton(x, y, pair.w, pair.b)) {
      // Freed before the call, so that a callback that dispatches events itself cannot
      // make the area leave twice.
      slot = AreaSlot{};
      setcurrentwindow(pair.w);
      calldrag(model.Win[pair.w].wb[pair.b].callback, relativex(x, pair.w, pair.b),
               relativey(y, pair.w, pair.b), DRAGLEAVE, nullptr);
    }
  }
  int w = 0, b = 0;
  for (; nextbuttonat(x, y, &w, &b); ++b) {
    const Button& area = model.Win[w].wb[b];
    if (!area.dragarea) continue;
    if (!held(w, b)) {
      AreaSlot* slot = freeslot();
      if (slot == nullptr) {
        VXerror(0, "processmouseinside: Too many overlapping drag areas.");
        fatal("Max = |%d|\n", MAXOVERLAP);
      }
      *slot = AreaSlot{w, b};
    }
    setcurrentwindow(w);
    calldrag(area.callback, relativex(x, w, b), relativey(y, w, b), DRAGINSIDE, nullptr);
  }
  setcurrentwindow(remembered);
}

}  // namespace vx
