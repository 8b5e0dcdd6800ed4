// The grammar of the description file, applied to the scanner's tokens.
#pragma once

namespace vx {

// The counting pass counts records as the statements are read; the filling pass fills
// the tables that were allocated from those counts, resolves colours and binds
// functions.
enum class Pass { COUNTING, FILLING };

// Reads the scanner's text to its end: checks each statement against the language,
// records it and counts it. A file without a single statement is a syntax error. In an
// application every error is fatal; in the reporting mode a statement that fits none of
// its forms is reported, left out, and reading goes on at the next.
void readstatements();

// Fills the tables from the statements read, in file order.
void fillstatements();

}  // namespace vx
