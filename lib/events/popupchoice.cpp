// The release that chooses from the open popup, toggles a check mark, beeps at a
// disabled item or dismisses the popup.
#include "events/lastaction.h"
#include "events/mouse.h"
#include "events/state.h"
#include "model/callbacks.h"
#include "model/colors.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"

namespace vx {

bool processpopupchoice(int y, int k) {
  int p = render.openedpopup;
  if (p < 0 || p >= model.npopups) return false;
  const Popup& popup = model.Popups[p];
  // On the top border or above it, outside the rectangle, or below the last item.
  if (y <= VXPcoord{popup.top} + 1 || k < 0 || k >= popup.nitems) {
    recordaction(0, "", "", -1);
    const FunctionEntry* dismissal = popup.callback;
    closepopup();
    callplain(dismissal);
    return false;
  }
  const PopupItem& item = popup.item[k];
  if (item.active == 0) {
    VXPbeep();
    recordaction(0, "", "", -1);
    return false;
  }
  if (!hasentrypoint(item.callback)) return true;
  if (popup.checklist != 0) {
    toggleitemcheck(p, k, modelstate.settings.highlightcolor, events.pointery);
  } else {
    // The screen under the popup is back before the item's callback runs.
    recordaction(0, "", "", -1);
    closepopup();
  }
  recordaction(2, popup.name, "", k);
  callname(item.callback, item.name);
  return true;
}

}  // namespace vx
