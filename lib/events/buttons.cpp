// Buttons and drag areas under a press: the press, the motion while it is held (with
// auto-repeat and drags), and the release that clicks. The press state lives here.
#include "render/buttons.h"

#include "events/lastaction.h"
#include "events/mouse.h"
#include "events/pointer.h"
#include "events/press.h"
#include "model/callbacks.h"
#include "model/model.h"
#include "model/settings.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"
#include "render/windows.h"

namespace vx {

Press press;

namespace {

// Auto-repeat: the first call after a second, then four at half-second intervals,
// four at a fifth of a second, then at every tick.
constexpr unsigned long FIRSTREPEAT = 1000;

bool pressedexists() {
  return press.window >= 0 && press.window < model.nwindows && press.button >= 0 &&
         press.button < model.Win[press.window].nbuttons;
}

// The pressed button still takes part: active, and in a window that is shown. A
// callback may have made it inactive, hidden its window or brought up another
// interface since the press.
bool pressedlive() {
  return pressedexists() && model.Win[press.window].wb[press.button].active == BUTTON_ACTIVE &&
         model.Win[press.window].active != 0;
}

// Whether the repeat delay has passed at the description's repeat speed: elapsed x
// speed > delay, without the product (a speed of 0 or less never repeats).
bool repeatdue(unsigned long elapsed) {
  if (repeatspeed <= 0) return false;
  return elapsed > press.repeatdelay / static_cast<unsigned long>(repeatspeed);
}

void repeat(int w, int b) {
  if (press.firstrepeat) {
    press.repeatcount = 0;
    press.repeatdelay = FIRSTREPEAT;
    VXPmarktime();
    press.firstrepeat = false;
    return;
  }
  if (!repeatdue(VXPelapsed())) return;
  const Button& btn = model.Win[w].wb[b];
  recordaction(1, model.Win[w].name, btn.name);
  callname(btn.callback, btn.name);
  press.repeatdelay = press.repeatcount < 4 ? 500 : press.repeatcount < 8 ? 200 : 0;
  VXPmarktime();
  press.repeatcount++;
}

void drag(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  int x = relativex(pointerx, w, b), y = relativey(pointery, w, b);
  if (press.dragging) {
    if (pointerx != previousx || pointery != previousy)
      calldrag(btn.callback, x, y, DRAGMOTION, nullptr);
  } else if (pointerx != press.pressx || pointery != press.pressy) {
    press.dragging = true;
    recordaction(1, model.Win[w].name, btn.name);
    calldrag(btn.callback, x, y, DRAGBEGIN, nullptr);
  }
}

void releasedrag(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  int x = relativex(pointerx, w, b), y = relativey(pointery, w, b);
  recordaction(1, model.Win[w].name, btn.name);
  if (press.dragging) {
    press.dragging = false;
    calldrag(btn.callback, x, y, DRAGEND, btn.name);
  } else if (insidebutton(pointerx, pointery, w, b)) {
    calldrag(btn.callback, x, y, DRAGCLICK, btn.name);
  }
}

void releasebutton(int w, int b) {
  const Button& btn = model.Win[w].wb[b];
  if (press.highlighted) {
    raisebutton(w, b);
    press.highlighted = false;
  }
  if (!insidebutton(pointerx, pointery, w, b)) return;
  recordaction(1, model.Win[w].name, btn.name);
  setcurrentwindow(press.savedwindow);
  rememberpopupmessage();
  // Taken before the call: the callback may bring another interface up.
  int popup = btn.popup;
  int popups = model.npopups;
  callname(btn.callback, btn.name);
  if (popup >= 0 && popup < popups && model.npopups == popups) openpopup(popup);
}

}  // namespace

void processbuttondown() {
  if (press.pressed) return;
  if (openedpopup >= 0) {
    // The release chooses from the popup.
    press.pressed = true;
    return;
  }
  // The last active button under the pointer wins: the later window, then the later
  // button.
  int w = 0, b = 0, keptw = -1, keptb = -1;
  for (; nextbuttonat(pointerx, pointery, &w, &b); ++b) {
    if (model.Win[w].wb[b].active == BUTTON_ACTIVE) {
      keptw = w;
      keptb = b;
    }
  }
  if (keptw < 0) {
    VXPbeep();
    return;
  }
  press.pressed = true;
  press.window = keptw;
  press.button = keptb;
  press.savedwindow = currentwindowindex();
  setcurrentwindow(keptw);
  const Button& btn = model.Win[keptw].wb[keptb];
  if (btn.dragarea) {
    press.pressx = pointerx;
    press.pressy = pointery;
  } else {
    press.highlighted = true;
    pressbutton(keptw, keptb);
    if (btn.repeat) press.firstrepeat = true;
  }
}

void processmotion() {
  if (!press.pressed || openedpopup >= 0 || !pressedexists()) return;
  int w = press.window, b = press.button;
  const Button& btn = model.Win[w].wb[b];
  if (insidebutton(pointerx, pointery, w, b) && pressedlive()) {
    setcurrentwindow(w);
    if (!btn.dragarea && !press.highlighted) {
      press.highlighted = true;
      pressbutton(w, b);
    }
    if (btn.repeat) {
      repeat(w, b);
    } else if (btn.dragarea) {
      drag(w, b);
    }
  } else if (!btn.dragarea && press.highlighted) {
    // Nothing is drawn for a button whose window is gone.
    if (model.Win[w].active != 0) raisebutton(w, b);
    press.highlighted = false;
  }
}

void processbuttonup() {
  if (!press.pressed) return;
  press.pressed = false;
  if (openedpopup >= 0) {
    processpopupchoice(pointery, popuphit(pointerx, pointery));
  } else if (!pressedlive()) {
    // The button was made inactive, or its window hidden, while it was held: the press
    // ends here, and no later press starts half-way through a drag.
    press.highlighted = false;
    press.dragging = false;
  } else if (model.Win[press.window].wb[press.button].dragarea) {
    releasedrag(press.window, press.button);
  } else {
    releasebutton(press.window, press.button);
  }
  press.window = 0;
  press.button = 0;
}

void resetmouse() {
  press = Press{};
  forgetinside();
}

}  // namespace vx
