// The headless back-end: no window, a virtual clock, events from a queue and a replay
// script. When both run dry the program is told to end, so a headless run ends.
#include "render/platform/backend.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "core/log.h"
#include "render/platform/framebuffer.h"
#include "render/platform/headless/replay.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"

namespace vx::platform {

namespace {

// The back-end's state while a window is open; opening starts it afresh.
struct HeadlessState {
  std::deque<Step> queue;
  std::vector<ScriptLine> script;
  std::size_t nextline = 0;
  // The line being played, a step at a time, and its step in hand.
  const ScriptLine* playing = nullptr;
  long playingstep = 0;
  Step inhand;
  bool havestep = false;
  unsigned long virtualtime = 0;
  int beepcount = 0;
  bool pointerset = false;
  int pointerx = 0;
  int pointery = 0;
};

HeadlessState state;
// The replay script, named in its lines' failure messages. Kept until the next open: a
// fatal report closes the window while the report still quotes it.
std::string scriptpath;
// Outlives windows: set before the application's start-up opens one.
bool testmode = false;

void reset() { state = HeadlessState{}; }

bool open(const char*, const Options& asked) {
  reset();
  scriptpath = asked.replay;
  if (!scriptpath.empty()) state.script = readscript(scriptpath.c_str());
  return true;
}

// Nothing stops a headless window from opening.
const char* error() { return ""; }

void close() { reset(); }

void present() { framechanged = false; }

// The next step: the rest of the script line being played, then the queue, then the
// script's next line; null when all are done.
Step* nextstep() {
  for (;;) {
    if (state.havestep) return &state.inhand;
    if (state.playing != nullptr) {
      state.havestep =
          scriptstep(*state.playing, state.playingstep++, scriptpath.c_str(), &state.inhand);
      if (!state.havestep) state.playing = nullptr;
      continue;
    }
    if (!state.queue.empty()) return &state.queue.front();
    if (state.nextline == state.script.size()) return nullptr;
    state.playing = &state.script[state.nextline++];
    state.playingstep = 0;
  }
}

void popstep() {
  if (state.havestep) {
    state.havestep = false;
  } else {
    state.queue.pop_front();
  }
}

// Reached only once everything before the step has been handed out and dispatched.
void screenshot(const Step& step) {
  if (!writepng(step.path.c_str())) {
    // Copied: closing the window on the way out forgets the script.
    const char* reason = std::strerror(errno);
    std::string where = step.where, path = step.path;
    toolkitfatal("%s: Couldn't write the screenshot |%.200s|: %s\n", where.c_str(), path.c_str(),
                 reason);
  }
}

bool wait(Message* message, unsigned long) {
  for (;;) {
    Step* step = nextstep();
    if (step == nullptr) {
      // A test is not over when its events are: it waits, as a real window would.
      if (testmode) {
        state.virtualtime += TICK;
        return false;
      }
      message->kind = MessageKind::end;
      return true;
    }
    switch (step->kind) {
      case Step::Kind::tick:
        state.virtualtime += TICK;
        if (--step->count <= 0) popstep();
        return false;
      case Step::Kind::screenshot:
        screenshot(*step);
        popstep();
        continue;
      case Step::Kind::message:
        *message = step->message;
        popstep();
        return true;
    }
  }
}

unsigned long clock() { return state.virtualtime; }

void beep() { ++state.beepcount; }

void setpointer(int x, int y) {
  state.pointerset = true;
  state.pointerx = x;
  state.pointery = y;
}

int mousepresent() { return 1; }

void push(MessageKind kind, int x, int y, std::uint8_t key = 0) {
  Step step;
  step.message.kind = kind;
  step.message.x = x;
  step.message.y = y;
  step.message.key = key;
  state.queue.push_back(step);
}

}  // namespace

const Backend headlessbackend = {open,  error, close,      present,     wait,
                                 clock, beep,  setpointer, mousepresent};

namespace headless {

bool active() { return backend == &headlessbackend; }

void pushpress(int x, int y) { push(MessageKind::press, x, y); }
void pushrelease(int x, int y) { push(MessageKind::release, x, y); }
void pushmove(int x, int y) { push(MessageKind::move, x, y); }
void pushkey(std::uint8_t code) { push(MessageKind::key, 0, 0, code); }
void pushexpose() { push(MessageKind::paint, 0, 0); }
void pushquit() { push(MessageKind::quit, 0, 0); }

void pushtick(long count) {
  if (count <= 0) return;
  Step step;
  step.kind = Step::Kind::tick;
  step.count = count;
  state.queue.push_back(step);
}

unsigned long time() { return state.virtualtime; }
int beeps() { return state.beepcount; }

bool pointer(int* x, int* y) {
  if (!state.pointerset) return false;
  if (x != nullptr) *x = state.pointerx;
  if (y != nullptr) *y = state.pointery;
  return true;
}

void settesting(bool on) { testmode = on; }
bool testing() { return testmode; }

bool pending() {
  if (firstpaintqueued()) return true;
  for (;;) {
    Step* step = nextstep();
    if (step == nullptr) return false;
    if (step->kind != Step::Kind::screenshot) return true;
    screenshot(*step);
    popstep();
  }
}

}  // namespace headless

}  // namespace vx::platform
