#include "support/event_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "events/dispatch.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "vx.h"

namespace vxtest {

namespace {

std::string written;

void note(const std::string& call) {
  if (!written.empty()) written += "; ";
  written += call;
}

int record(const VXcall* call) {
  std::string name = call->function;
  switch (call->role) {
    case VXFORM_NAME:
      note(name + "(" + call->name + ")" + (vx::render.openedpopup >= 0 ? " [open]" : ""));
      break;
    case VXFORM_DRAG: {
      std::string args = std::to_string(call->x) + ", " + std::to_string(call->y) + ", " +
                         std::to_string(call->arg);
      if (call->name != nullptr) args.append(", ").append(call->name);
      note(name + "(" + args + ")");
      break;
    }
    case VXFORM_EVENT:
      note(name + "(" + std::to_string(call->x) + ", " + std::to_string(call->y) + ", " +
           std::to_string(call->arg) + ")");
      break;
    case VXFORM_PLAIN: note(name + "()"); break;
    case VXFORM_GENERIC: break;
  }
  return 0;
}

int quit(const char*) {
  std::fputs("quit\n", stdout);
  VXinterfaceexit(nullptr);
}

const FunctionEntry TABLE[] = {
    {"press", record}, {"menu", record},    {"drag", record},   {"tick", record}, {"tock", record},
    {"keys", record},  {"dismiss", record}, {"redraw", record}, {"quit", quit},
};

// One queued event through the dispatcher.
void dispatchone() {
  Event event{};
  VXPgetevent(&event);
  vx::dispatchevent(event);
}

}  // namespace

void EventTest::SetUp() {
  VxTest::SetUp();
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  written.clear();
}

void EventTest::TearDown() {
  VXPclose();
  VxTest::TearDown();
}

void EventTest::bringup(const std::string& text) {
  writefile("test.inf", text);
  VXinterfaceinit("test", "test.inf", BSTORE, "w", 16, nullptr, nullptr, "--vx-backend=headless",
                  0);
  dispatchone();  // the first paint
  written.clear();
}

namespace headless = vx::platform::headless;

void EventTest::press(int x, int y) {
  headless::pushpress(x, y);
  dispatchone();
}

void EventTest::release(int x, int y) {
  headless::pushrelease(x, y);
  dispatchone();
}

void EventTest::move(int x, int y) {
  headless::pushmove(x, y);
  dispatchone();
}

void EventTest::key(int code) {
  headless::pushkey(static_cast<std::uint8_t>(code));
  dispatchone();
}

void EventTest::expose() {
  headless::pushexpose();
  dispatchone();
}

void EventTest::click(int x, int y) {
  press(x, y);
  release(x, y);
}

void EventTest::tick(int count) {
  headless::pushtick(count);
  for (int i = 0; i < count; i++) dispatchone();
}

std::string EventTest::calls() {
  std::string taken;
  taken.swap(written);
  return taken;
}

}  // namespace vxtest
