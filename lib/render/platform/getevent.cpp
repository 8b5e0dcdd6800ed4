// The event pump: back-end messages become the one persistent event record.
#include "core/log.h"
#include "render/platform/backend.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/record.h"
#include "vx.h"

namespace vx::platform {

namespace {

// A message sets only its own fields; the rest keep what earlier messages left, so a
// tick carries the last pointer position and an expose stale coordinates.
VXevent record{};
bool paintqueued = false;
unsigned long nexttick = 0;
// The layer above's close handling: true when the application took the quit message.
bool (*quithandler)() = nullptr;

void translate(const Message& message) {
  switch (message.kind) {
    case MessageKind::paint: record.type = EXPOSE; break;
    case MessageKind::press:
    case MessageKind::release:
    case MessageKind::move:
      record.type = static_cast<std::int8_t>(message.kind == MessageKind::press     ? BUTTONPRESS
                                             : message.kind == MessageKind::release ? BUTTONRELEASE
                                                                                    : MOTION);
      record.x = static_cast<std::int16_t>(message.x);
      record.y = static_cast<std::int16_t>(message.y);
      break;
    case MessageKind::key:
      record.type = KEYPRESS;
      record.key = message.key;
      break;
    case MessageKind::other:
    case MessageKind::quit:
    case MessageKind::end: record.type = MOTION; break;
  }
}

}  // namespace

void startevents() {
  // A new window starts from a clean record: nothing of an earlier window's events,
  // and the pointer where the loop puts it before the first event, at the centre, so
  // that a tick or key before any motion does not report the top-left corner.
  record = VXevent{};
  record.x = VXPWIDTH / 2;
  record.y = VXPHEIGHT / 2;
  paintqueued = true;
  nexttick = backend->clock() + TICK;
}

bool firstpaintqueued() { return paintqueued; }

}  // namespace vx::platform

using namespace vx::platform;

void VXPsetquithandler(bool (*handler)()) { quithandler = handler; }

int VXPgetevent(VXevent* event, bool ticks) {
  if (backend == nullptr) vx::fatal("VXPgetevent: no window is open\n");
  Message message;
  bool received = true;
  if (paintqueued) {
    // The window's first paint, posted when it opened.
    paintqueued = false;
    message.kind = MessageKind::paint;
  } else {
    unsigned long now = backend->clock();
    unsigned long timeout = !ticks ? FOREVER : now >= nexttick ? 0 : nexttick - now;
    if (timeout > 0 && framechanged) backend->present();
    received = backend->wait(&message, timeout);
    now = backend->clock();
    if (!received) {
      // Late ticks are not made up for: one tick per period at most, as timers do.
      nexttick += TICK;
      if (nexttick <= now) nexttick = now + TICK;
      recordticks();
    } else if (!ticks && now >= nexttick) {
      // Ticks slept through: they would have changed nothing, but a recording keeps the
      // time they stand for, and the timer keeps its beat.
      unsigned long missed = (now - nexttick) / TICK + 1;
      recordticks(missed);
      nexttick += missed * TICK;
    }
    if (received) recordmessage(message);
    if (received && message.kind == MessageKind::end) VXinterfaceexit(nullptr);
    // The handler may dispatch events of its own (to ask, say); this one is a MOTION.
    if (received && message.kind == MessageKind::quit && (quithandler == nullptr || !quithandler()))
      VXinterfaceexit(nullptr);
  }
  if (received) {
    translate(message);
  } else {
    record.type = MOTION;
  }
  if (event != nullptr) *event = record;
  return 1;
}
