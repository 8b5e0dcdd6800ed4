// The event layer's state.
#include "events/state.h"

namespace vx {

EventState events;

void resetevents() { events = EventState{}; }

}  // namespace vx
