// Opening, closing and drawing popup menus.
#include "render/popups.h"

#include <algorithm>
#include <climits>

#include "core/log.h"
#include "model/getname.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "render/stores.h"
#include "render/windows.h"

namespace vx {

namespace {

void (*remembermessage)() = nullptr;
void (*showremembered)() = nullptr;

// Popups are clipped to the root window's interior.
void selectroot() { setcurrentwindow(getname(model.Win, model.nwindows, "root", "window")); }

void drawbody(int p) {
  DrawingOnTop ontop;
  const Popup& popup = model.Popups[p];
  VXPsetcolor(popup.bgcolor);
  VXPfillrect(popup.left, popup.top, popup.width, popup.height);
  VXPsetcolor(popup.bordercolor);
  VXPrect(popup.left, popup.top, popup.width, popup.height);
  int row = 0;
  for (int i = 0; i < popup.nitems; i++)
    if (popup.item[i].active != -1) drawpopupitem(p, i, row++);
}

}  // namespace

int rowsheight(int rows) {
  return static_cast<int>(std::min<VXPcoord>(POPUPROW * VXPcoord{rows} + 7, INT_MAX));
}

int shownitems(int p) {
  const Popup& popup = model.Popups[p];
  int shown = 0;
  for (int i = 0; i < popup.nitems; i++)
    if (popup.item[i].active != -1) shown++;
  return shown;
}

void openpopup(int p) {
  // Checked before anything changes, so that a refused open leaves no trace.
  if (storeoccupied(1)) fatal("Error - bstore %d is already occupied.\n", 1);
  KeepDrawState kept;
  VXPsetlinewidth(1);
  render.windowatopening = currentwindowindex();
  selectroot();
  Popup& popup = model.Popups[p];
  render.openedpopup = p;
  render.shownlevel++;
  popup.active = 1;
  popup.height = rowsheight(shownitems(p));
  setstoreoccupied(1, true);
  // A free store holds no image, so this save is never refused.
  VXPsavestore(1, popup.left, popup.top, popup.width, popup.height);
  VXPsetstorelevel(1, render.shownlevel);
  drawbody(p);
}

void closepopup() {
  if (render.openedpopup < 0) return;
  Popup& popup = model.Popups[render.openedpopup];
  render.shownlevel--;
  setcurrentwindow(0);
  popup.active = 0;
  VXPrestorestore(1, popup.left, popup.top);
  setstoreoccupied(1, false);
  render.openedpopup = -1;
  if (showremembered != nullptr) showremembered();
  setcurrentwindow(render.windowatopening);
}

void setpopupmessage(void (*remember)(), void (*showagain)()) {
  remembermessage = remember;
  showremembered = showagain;
}

void rememberpopupmessage() {
  if (remembermessage != nullptr) remembermessage();
}

void redrawpopup() {
  if (render.openedpopup < 0) return;
  // The caller of a repaint puts the colour, line width and window back.
  VXPsetlinewidth(1);
  selectroot();
  drawbody(render.openedpopup);
}

void drawpopupitem(int p, int i, int r) {
  DrawingOnTop ontop;
  KeepDrawState kept;
  const Popup& popup = model.Popups[p];
  const PopupItem& item = popup.item[i];
  VXPsetcolor(item.active == 1 ? popup.enabledcolor : popup.disabledcolor);
  VXPsetfont(FONT_BOLD);
  VXPcoord baseline = VXPcoord{popup.top} + POPUPROW + POPUPROW * VXPcoord{r};
  VXPcoord left = VXPcoord{popup.left} + (popup.checklist ? 16 : 6);
  if (item.label != nullptr) VXPtext(left, baseline, item.label);
  if (item.checked) VXPtext(VXPcoord{popup.left} + 6, baseline, "*");
}

}  // namespace vx
