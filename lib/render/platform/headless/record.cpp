// Recording a session as a replay script.
#include "render/platform/record.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/log.h"
#include "render/platform/headless/replay.h"

namespace vx::platform {

namespace {

std::FILE* file = nullptr;
std::string recordpath;
long ticks = 0;
bool first = true;  // nothing recorded yet: no tick of an earlier action to take off

// Replaying adds one tick after every action, so that tick is not written as a wait.
// A wait longer than one line may hold is written as several, so that what is recorded
// can always be played.
void flushwait() {
  long wait = (first ? ticks : ticks - 1) * static_cast<long>(TICK);
  for (; wait > MAXWAIT; wait -= MAXWAIT) std::fprintf(file, "wait %ld\n", MAXWAIT);
  if (wait > 0) std::fprintf(file, "wait %ld\n", wait);
  ticks = 0;
  first = false;
}

// Every line is on disk as soon as it is written, so that a program that crashes or is
// killed keeps the events that led there. A recording that cannot be written ends the
// program: a session that looks recorded and is not is worse.
void flushline() {
  if (std::fflush(file) == 0 && std::ferror(file) == 0) return;
  const char* reason = std::strerror(errno);
  std::fclose(file);
  file = nullptr;
  toolkitfatal("Couldn't write the recording |%.200s|: %s\n", recordpath.c_str(), reason);
}

}  // namespace

void recordopen(const char* path) {
  recordclose();
  recordpath = path;
  file = std::fopen(path, "wb");  // "\n" line ends everywhere
  if (file == nullptr)
    toolkitfatal("Couldn't create the recording |%.200s|: %s\n", path, std::strerror(errno));
  std::fputs("# recorded session\n", file);
  flushline();
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
    case MessageKind::end:
      // The recording's own end stands for it.
      break;
    case MessageKind::other:
      // Counted as time, as the program sees it: a MOTION where the pointer is.
      ++ticks;
      break;
  }
  flushline();
}

void recordticks(unsigned long count) {
  if (file != nullptr) ticks += static_cast<long>(count);
}

void recordclose() {
  if (file == nullptr) return;
  std::fclose(file);
  file = nullptr;
}

}  // namespace vx::platform
