// The grammar of the description file, run once per loading pass.
#pragma once

#include "model/model.h"

namespace vx {

// The counting pass only counts records; the filling pass fills the tables that were
// allocated from those counts, resolves colours and binds functions.
enum class Pass { COUNTING, FILLING };

// Parses the scanner's tokens to the end of input. Every error is fatal; a file
// without a single statement is a syntax error.
void parsedescription(Pass pass);

// What the last counting pass found.
const ModelCounts& countedrecords();

}  // namespace vx
