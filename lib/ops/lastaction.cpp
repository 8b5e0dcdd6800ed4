// VXgetlastaction and VXclearlastaction.
#include "events/lastaction.h"

#include <cstring>

#include "vx.h"

void VXgetlastaction(LastAction* action) {
  if (action != nullptr) *action = vx::lastaction();
}

void VXclearlastaction(void) {
  LastAction& last = vx::lastaction();
  last.kind = 0;
  last.name[0] = '\0';
  std::memset(&last.value, 0, sizeof last.value);
  last.value.index = -1;
}
