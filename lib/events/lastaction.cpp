// The record of the last action, written by mouse handling.
#include "events/lastaction.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "events/state.h"

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
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr ||
      std::strftime(events.lastaction.time, sizeof events.lastaction.time, "%H:%M:%S", &local) == 0)
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
