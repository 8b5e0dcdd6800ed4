// The statements of a description file, read the way the library's grammar reads them
// but going on after a mistake, so that one run reports every statement that is wrong.
#pragma once

#include <vector>

#include "diagnostics.h"
#include "tokens.h"

namespace vxtool {

// Value kinds of a statement's form: n name, i number, t text, c colour, w word, l a
// colour of a colour list, and the callbacks b name, d drag, e event, p plain, r plain
// by its exact name (a leading "@" kept).
struct Statement {
  const Token* word;                 // the statement word, or the "(" of a palette entry
  std::vector<const Token*> values;  // as written
  const char* kinds;                 // the kinds of the form written; null when broken
  int form;                          // 0 the shorter form, 1 the longer; -1 when broken
  const Token* last;                 // its last token: ")" or the word itself

  int keyword() const { return word->code; }
  bool broken() const { return form < 0; }
  // Value k, when the statement has it and it is of the token code.
  const Token* value(std::size_t k, int code) const;
};

// Reads every statement. One that fits none of its statement's forms gets one
// diagnostic, saying which value or token is wrong, and is kept as broken; reading goes
// on at the next statement.
std::vector<Statement> readstatements(const std::vector<Token>& tokens, Diagnostics& found);

}  // namespace vxtool
