// The loop entries: VXmainloop, which never returns, and VXprocessevents, which
// dispatches from inside a callback what is waiting before the next tick; and the
// loop's start, which the test driver shares.
#include "events/loop.h"

#include <cstdio>
#include <cstdlib>

#include "core/log.h"
#include "events/dispatch.h"
#include "events/state.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "vx.h"

namespace {

// Callbacks that call VXprocessevents from events that VXprocessevents dispatched
// nest one level an event; past this depth the events wait for the levels below, so
// that no run of queued events can exhaust the stack.
constexpr int MAXNESTING = 32;
int nesting = 0;

void checkmouse() {
  vx::events.pointerx = VXPWIDTH / 2;
  vx::events.pointery = VXPHEIGHT / 2;
  if (VXPmousepresent() == 0) {
    std::fputs("You must have a mouse installed to run this program.\n", stdout);
    std::fflush(stdout);
    std::exit(-1);
  }
}

// Whether a timer tick could change anything the user sees. A tick is a MOTION where
// the pointer already is: it repeats a held button and drives the per-event functions;
// a held press and an open popup are given their ticks whatever they do with them.
// Without these the loop may sleep until something happens.
bool ticksneeded() {
  if (vx::events.press.pressed || vx::render.openedpopup >= 0) return true;
  for (int f = 0; f < vx::model.nfunctions; f++)
    if (vx::model.functions[f].perevent != 0) return true;
  return false;
}

}  // namespace

Event vx::beginloop() {
  checkmouse();
  // Nothing is dispatched before the window's first paint.
  Event event{};
  do {
    VXPgetevent(&event);
  } while (event.type != EXPOSE);
  return event;
}

void VXmainloop(void) {
  // In test mode the queue never runs dry, so this loop would never end.
  if (vx::platform::headless::testing())
    vx::fatal("VXmainloop: a test dispatches with VXtestrun instead\n");
  Event event = vx::beginloop();
  for (;;) {
    vx::dispatchevent(event);
    VXPgetevent(&event, ticksneeded());
  }
}

void VXprocessevents(void) {
  if (nesting >= MAXNESTING) return;
  ++nesting;
  Event event{};
  for (;;) {
    VXPgetevent(&event);
    if (event.type == MOTION) break;
    vx::dispatchevent(event);
    VXPafterevent();
  }
  --nesting;
}
