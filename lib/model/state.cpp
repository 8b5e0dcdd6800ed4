// The model layer's state.
#include "model/state.h"

namespace vx {

ModelState modelstate{};

void resetmodel() { modelstate = ModelState{}; }

}  // namespace vx
