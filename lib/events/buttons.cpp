// Buttons and drag areas under a press: the press, the motion while it is held (with
// auto-repeat and drags), and the release that clicks. The press state lives here.
#include "render/buttons.h"

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

namespace {

// Auto-repeat: the first call after a second, then four at half-second intervals,
// four at a fifth of a second, then at every tick.
constexpr unsigned long FIRSTREPEAT = 1000;

bool pressedexists() {
  return events.press.window >= 0 && events.press.window < model.nwindows &&
         events.press.button >= 0 && events.press.button < model.Win[events.press.window].nbuttons;
}

// The pressed button still takes part: active, and in a window that is shown. A
// callback may have made it inactive, hidden its window or brought up another
// interface since the press.
bool pressedlive() {
  return pressedexists() &&
         model.Win[events.press.window].wb[events.press.button].active == BUTTON_ACTIVE &&
         model.Win[events.press.window].active != 0;
}

// Whether the repeat delay has passed at the description's repeat speed: elapsed x
// speed > delay, without the product (a speed of 0 or less never repeats).
bool repeatdue(unsigned long elapsed) {
  int speed = modelstate.settings.repeatspeed;
  if (speed <= 0) return false;
  return elapsed > events.press.repeatdelay / static_cast<unsigned long>(speed);
}

void repeat(int w, int b) {
  if (events.press.firstrepeat) {
    events.press.repeatcount = 0;
    events.press.repeatdelay = FIRSTREPEAT;
    VXPmarktime();
    events.press.firstrepeat = false;
    return;
  }
  if (!repeatdue(VXPelapsed())) return;
  const Button& btn = model.Win[w].wb[b];
  recordaction(1, model.Win[w].name, btn.name);
  callname(btn.callback, btn.name);
  events.press.repeatdelay = events.press.repeatcount < 4   ? 500
                             : events.press.repeatcount < 8 ? 200
                                                            : 0;
  VXPmarktime();
  events.press.repeatcount++;
}

void drag(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  int x = relativex(events.pointerx, w, b), y = relativey(events.pointery, w, b);
  if (events.press.dragging) {
    if (events.pointerx != events.previousx || events.pointery != events.previousy)
      calldrag(btn.callback, x, y, DRAGMOTION, nullptr);
  } else if (events.pointerx != events.press.pressx || events.pointery != events.press.pressy) {
    events.press.dragging = true;
    recordaction(1, model.Win[w].name, btn.name);
    calldrag(btn.callback, x, y, DRAGBEGIN, nullptr);
  }
}

void releasedrag(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  int x = relativex(events.pointerx, w, b), y = relativey(events.pointery, w, b);
  recordaction(1, model.Win[w].name, btn.name);
  if (events.press.dragging) {
    events.press.dragging = false;
    calldrag(btn.callback, x, y, DRAGEND, btn.name);
  } else if (insidebutton(events.pointerx, events.pointery, w, b)) {
    calldrag(btn.callback, x, y, DRAGCLICK, btn.name);
  }
}

void releasebutton(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  if (events.press.highlighted) {
    raisebutton(w, b);
    events.press.highlighted = false;
  }
  if (!insidebutton(events.pointerx, events.pointery, w, b)) return;
  recordaction(1, model.Win[w].name, btn.name);
  setcurrentwindow(events.press.savedwindow);
  rememberpopupmessage();
  // Taken before the call: the callback may bring another interface up.
  int popup = btn.popup;
  int popups = model.npopups;
  callname(btn.callback, btn.name);
  if (popup >= 0 && popup < popups && model.npopups == popups) openpopup(popup);
}

}  // namespace

void processbuttondown() {
  if (events.press.pressed) return;
  if (render.openedpopup >= 0) {
    // The release chooses from the popup.
    events.press.pressed = true;
    return;
  }
  // The last active button under the pointer wins: the later window, then the later
  // button.
  int w = 0, b = 0, keptw = -1, keptb = -1;
  for (; nextbuttonat(events.pointerx, events.pointery, &w, &b); ++b) {
    if (model.Win[w].wb[b].active == BUTTON_ACTIVE) {
      keptw = w;
      keptb = b;
    }
  }
  if (keptw < 0) {
    VXPbeep();
    return;
  }
  events.press.pressed = true;
  events.press.window = keptw;
  events.press.button = keptb;
  events.press.savedwindow = currentwindowindex();
  setcurrentwindow(keptw);
  const Button& btn = model.Win[keptw].wb[keptb];
  if (btn.dragarea) {
    events.press.pressx = events.pointerx;
    events.press.pressy = events.pointery;
  } else {
    events.press.highlighted = true;
    pressbutton(keptw, keptb);
    if (btn.repeat) events.press.firstrepeat = true;
  }
}

void processmotion() {
  if (!events.press.pressed || render.openedpopup >= 0 || !pressedexists()) return;
  int w = events.press.window, b = events.press.button;
  const Button& btn = model.Win[w].wb[b];
  if (insidebutton(events.pointerx, events.pointery, w, b) && pressedlive()) {
    setcurrentwindow(w);
    if (!btn.dragarea && !events.press.highlighted) {
      events.press.highlighted = true;
      pressbutton(w, b);
    }
    if (btn.repeat) {
      repeat(w, b);
    } else if (btn.dragarea) {
      drag(w, b);
    }
  } else if (!btn.dragarea && events.press.highlighted) {
    // Nothing is drawn for a button whose window is gone.
    if (model.Win[w].active != 0) raisebutton(w, b);
    events.press.highlighted = false;
  }
}

void processbuttonup() {
  if (!events.press.pressed) return;
  events.press.pressed = false;
  if (render.openedpopup >= 0) {
    processpopupchoice(events.pointery, popuphit(events.pointerx, events.pointery));
  } else if (!pressedlive()) {
    // The button was made inactive, or its window hidden, while it was held: the press
    // ends here, and no later press starts half-way through a drag.
    events.press.highlighted = false;
    events.press.dragging = false;
  } else if (model.Win[events.press.window].wb[events.press.button].dragarea) {
    releasedrag(events.press.window, events.press.button);
  } else {
    releasebutton(events.press.window, events.press.button);
  }
  events.press.window = 0;
  events.press.button = 0;
}

}  // namespace vx
