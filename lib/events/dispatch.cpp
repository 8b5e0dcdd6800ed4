// The dispatcher, the repaint and the per-event functions.
#include "events/dispatch.h"

#include "events/keys.h"
#include "events/lastaction.h"
#include "events/mouse.h"
#include "events/state.h"
#include "model/callbacks.h"
#include "model/model.h"
#include "model/state.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"
#include "render/windows.h"

namespace vx {

void dispatchevent(const Event& event) {
  events.previousx = events.pointerx;
  events.previousy = events.pointery;
  if (event.type != EXPOSE) {
    events.pointerx = event.x;
    events.pointery = event.y;
  }
  switch (event.type) {
    case EXPOSE: processexpose(); break;
    case BUTTONPRESS: processbuttondown(); break;
    case BUTTONRELEASE: processbuttonup(); break;
    case KEYPRESS: processkey(events.pointerx, events.pointery, event.key); break;
    case MOTION: processmotion(); break;
    default: break;
  }
  if (render.openedpopup >= 0) highlightpopup(events.pointerx, events.pointery);
  if (events.pointerx != events.previousx || events.pointery != events.previousy)
    processmouseinside(events.pointerx, events.pointery);
  processeventfunctions(events.pointerx, events.pointery);
}

void processexpose() {
  Color color = VXPgetcolor();
  int linewidth = VXPgetlinewidth();
  int window = currentwindowindex();
  if (modelstate.settings.redrawfunction != nullptr) {
    callplain(modelstate.settings.redrawfunction);
  } else {
    VXredrawall();
  }
  if (render.openedpopup >= 0) redrawpopup();
  VXPsetcolor(color);
  setcurrentwindow(window);
  VXPsetlinewidth(linewidth);
}

void processeventfunctions(int x, int y) {
  // Counted afresh each time: a callback may bring another interface up.
  for (int f = 0; f < model.nfunctions; f++)
    if (model.functions[f].perevent != 0) callevent(model.functions[f].entry, x, y, 0);
}

}  // namespace vx
