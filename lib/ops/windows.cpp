// Showing, hiding, activating and redrawing windows by name.
#include "render/windows.h"

#include "core/log.h"
#include "ops/lookup.h"
#include "ops/messages.h"
#include "render/buttons.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "render/stores.h"
#include "vx.h"

using namespace vx;

void VXselectwindow(const char* window) { setcurrentwindow(findwindow(window)); }

void VXshowwindow(const char* window, int store, int modal) {
  int index = findwindow(window);
  Window& w = model.Win[index];
  if (w.bstore != 0) {
    w.saved = store;
    if (store == 1) claimwindowstore(index);
  }
  w.modal = modal;
  if (modal != 0) {
    for (int other = 0; other < model.nwindows; other++)
      if (other != index && model.Win[other].active == render.shownlevel) suspendbuttons(other);
    render.shownlevel++;
  }
  w.active = render.shownlevel;
  // What the window covers is kept in its store: drawing beneath it goes there.
  if (w.bstore != 0 && store == 1) VXPsetstorelevel(w.bstore, w.active);
  drawwindow(index);
}

void VXhidewindow(const char* window) {
  int index = findwindow(window);
  if (samename(window, "alert")) clearalertshown();
  hidewindow(index);
}

void VXhidecurrentwindow(void) {
  int alert = getname(model.Win, model.nwindows, "alert");
  int current = currentwindowindex();
  if (alert >= 0 && alert == current) clearalertshown();
  hidewindow(current);
}

void VXactivatewindow(const char* window) {
  int index = findwindow(window);
  model.Win[index].active = render.shownlevel;
  resumebuttons(index);
}

void VXdeactivatewindow(const char* window) { model.Win[findwindow(window)].active = 0; }

void VXredrawwindow(const char* window) {
  int index = findwindow(window);
  if (model.Win[index].active > 0) drawwindow(index);
}

void VXredrawall(void) {
  for (int level = 1; level <= render.shownlevel; level++)
    for (int w = 0; w < model.nwindows; w++)
      if (model.Win[w].active == level) drawwindow(w);
}
