// The operations layer's state.
#include "ops/state.h"

namespace vx {

OpsState ops;

void resetops() { ops = OpsState{}; }

}  // namespace vx
