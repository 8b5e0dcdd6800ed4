// Recording a session as a replay script.
#include "render/platform/record.h"

#include <cstdio>
#include <string>

#include "core/log.h"
#include "render/platform/replay.h"

namespace vx::platform {

namespace {

std::FILE* file = nullptr;
long ticks = 0;
bool first = true;  // nothing recorded yet: no tick of an earlier action to take off

// Replaying adds one tick after every action, so that tick is not written as a wait.
void flushwait() {
  long wait = first ? ticks : ticks - 1;
  if (wait > 0) std::fprintf(file, "wait %ld\n", wait * static_cast<long>(TICK));
  ticks = 0;
  first = false;
}

}  // namespace

void recordopen(const char* path) {
  recordclose();
  file = std::fopen(path, "w");
  if (file == nullptr) fatal("Couldn't create the recording |%.200s|\n", path);
  std::fputs("# recorded session\n", file);
  ticks = 0;
  first = true;
}

void recordmessage(const Message& message) {
  if (file == nullptr) return;
  switch (message.kind) {
    case MessageKind::press:
      flushwait();
      std::fprintf(file, "press %d %d\n", message.x, message.y);
      break;
    case MessageKind::release:
      flushwait();
      std::fprintf(file, "release %d %d\n", message.x, message.y);
      break;
    case MessageKind::move:
      flushwait();
      std::fprintf(file, "move %d %d\n", message.x, message.y);
      break;
    case MessageKind::key: {
      flushwait();
      std::string name = keyname(message.key);
      if (name.empty()) {
        std::fprintf(file, "# key code %u has no script name\n", message.key);
      } else {
        std::fprintf(file, "key %s\n", name.c_str());
      }
      break;
    }
    case MessageKind::paint:
      flushwait();
      std::fputs("expose\n", file);
      break;
    case MessageKind::quit:
      flushwait();
      std::fputs("quit\n", file);
      break;
    case MessageKind::other:
      // Counted as time, as the program sees it: a MOTION where the pointer is.
      ++ticks;
      break;
  }
  std::fflush(file);
}

void recordtick() {
  if (file != nullptr) ++ticks;
}

void recordclose() {
  if (file == nullptr) return;
  std::fclose(file);
  file = nullptr;
}

}  // namespace vx::platform
