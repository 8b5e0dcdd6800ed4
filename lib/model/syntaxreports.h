// The reporting mode's words for a statement that fits none of its forms.
#pragma once

#include <string_view>

#include "model/state.h"

namespace vx {

struct Grammar;

// Reads again, from its first token, a statement that fits none of its statement's
// forms; reports which value is of the wrong kind, how many values it takes and has,
// which token was not expected or which "(" is not closed; shows the sink the statement
// as broken; and leaves the scanner where the next statement begins: past the broken
// one's ")", at the next statement word with its "(", or at the next line.
void explainstatement();

// A report of the reading pass to the sink.
void syntaxreport(Place at, const char* format, std::string_view text, const Grammar* statement,
                  std::string_view subject = {});

}  // namespace vx
