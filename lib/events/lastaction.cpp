// The record of the last action, written by mouse handling.
#include "events/lastaction.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace vx {

namespace {

LastAction last{};

// At most 80 characters and the end, whatever the source's length.
void copy(char (&to)[81], const char* from) {
  std::snprintf(to, sizeof to, "%s", from != nullptr ? from : "");
}

}  // namespace

void recordaction(int kind, const char* name, const char* text, int value) {
  last.kind = kind;
  copy(last.name, name);
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr ||
      std::strftime(last.time, sizeof last.time, "%H:%M:%S", &local) == 0)
    last.time[0] = '\0';
  std::memset(&last.value, 0, sizeof last.value);
  if (kind == 1) {
    copy(last.value.text, text);
  } else {
    last.value.index = kind == 2 ? value : -1;
  }
}

LastAction& lastaction() { return last; }

void resetlastaction() { last = LastAction{}; }

}  // namespace vx
