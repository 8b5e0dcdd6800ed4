// The shared drawing state that the drawing routines put back as they found it.
#pragma once

#include "model/model.h"

namespace vx {

struct DrawState {
  int font;
  Color color;
  int linewidth;
};

DrawState rememberdrawstate();
void restoredrawstate(const DrawState& s);

}  // namespace vx
