// Popup rows under the pointer, the highlight band and check marks.
#include "model/colors.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"

namespace vx {

namespace {

bool shown(const Popup& popup, int i) {
  return i >= 0 && i < popup.nitems && popup.item[i].active != -1;
}

void band(const Popup& popup, int row, Color c) {
  DrawingOnTop ontop;
  VXPsetcolor(c);
  VXPfillrect(VXPcoord{popup.left} + 1, VXPcoord{popup.top} + 3 + POPUPROW * VXPcoord{row},
              VXPcoord{popup.width} - 2, POPUPROW);
}

}  // namespace

// Within an int for any y and top: the difference of two ints over the row height.
int popuprowat(int y, int p) {
  return static_cast<int>((VXPcoord{y} - model.Popups[p].top - 3) / POPUPROW);
}

int popupitemat(int y, int p) {
  const Popup& popup = model.Popups[p];
  int n = popuprowat(y, p) + 1;
  for (int i = 0; i < popup.nitems; i++) {
    if (popup.item[i].active == -1) continue;
    if (--n == 0) return i;
  }
  return -1;
}

void highlightpopup(int x, int y) {
  int p = render.openedpopup;
  if (p < 0) return;
  const Popup& popup = model.Popups[p];
  int rows = shownitems(p);
  int row = -1, item = -1;
  VXPcoord left = popup.left, top = popup.top;
  if (left < x && x < left + popup.width && top + 1 < y &&
      y < top + POPUPROW * VXPcoord{rows} + 2) {
    row = popuprowat(y, p);
    item = popupitemat(y, p);
  }
  if (render.highlightpopup == p && row != render.highlightrow && render.highlightrow != -1 &&
      shown(popup, render.highlightitem)) {
    band(popup, render.highlightrow, popup.bgcolor);
    drawpopupitem(p, render.highlightitem, render.highlightrow);
  }
  if (row != -1 && row != render.highlightrow && shown(popup, item)) {
    band(popup, row, modelstate.settings.highlightcolor);
    drawpopupitem(p, item, row);
  }
  render.highlightitem = item;
  render.highlightrow = row;
  render.highlightpopup = p;
}

void toggleitemcheck(int p, int i, Color c, int y) {
  Popup& popup = model.Popups[p];
  PopupItem& item = popup.item[i];
  item.checked = item.checked == 0 ? 1 : 0;
  if (p != render.openedpopup || item.active == -1) return;
  int row = 0;
  for (int k = 0; k < i; k++)
    if (popup.item[k].active != -1) row++;
  if (popuprowat(y, p) == row) c = modelstate.settings.highlightcolor;
  band(popup, row, c);
  drawpopupitem(p, i, row);
}

}  // namespace vx
