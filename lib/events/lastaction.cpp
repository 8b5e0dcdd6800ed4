// The record of the last action, written by mouse handling.
#include "events/lastaction.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "events/state.h"
#include "render/platform/platform.h"

namespace vx {

namespace {

// At most 80 characters and the end, whatever the source's length.
void copy(char (&to)[81], const char* from) {
  std::snprintf(to, sizeof to, "%s", from != nullptr ? from : "");
}

}  // namespace

void recordaction(int kind, const char* name, const char* text, int value) {
  events.lastaction.kind = kind;
  copy(events.lastaction.name, name);
  // The back-end's time of day: headless, the virtual clock's, the same on every run.
  std::tm now{};
  if (!VXPtimeofday(&now) ||
      std::strftime(events.lastaction.time, sizeof events.lastaction.time, "%H:%M:%S", &now) == 0)
    events.lastaction.time[0] = '\0';
  std::memset(&events.lastaction.value, 0, sizeof events.lastaction.value);
  if (kind == 1) {
    copy(events.lastaction.value.text, text);
  } else {
    events.lastaction.value.index = kind == 2 ? value : -1;
  }
}

LastAction& lastaction() { return events.lastaction; }

}  // namespace vx
