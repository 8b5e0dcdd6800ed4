// The grammar of the description file.
//
// Every statement is a keyword (or, for a palette entry, just the opening
// parenthesis) followed by a fixed sequence of values in parentheses; a few
// statements have a second, longer form. The parser follows all forms of the
// statement at once, so a token that fits none of them is reported where it stands.
#include "model/parser.h"

#include <array>
#include <cstring>

#include "model/callbacks.h"
#include "model/colors.h"
#include "model/scanner.h"
#include "model/statements.h"

namespace vx {

namespace {

using scanner::TokenValue;

// Value kinds: n name, i number, t text, c colour, w word, and the function roles
// b (name callback), d (drag callback), p (plain callback).
struct Grammar {
  int keyword;
  const char* forms[2];  // both null: the statement has no parenthesised values
  void (*action)(Statement&);
};

void nothing(Statement&) {}

constexpr Grammar GRAMMAR[] = {
    {scanner::PALETTE, {nullptr, nullptr}, nothing},
    {scanner::END, {nullptr, nullptr}, nothing},
    {'(', {"niii", "niiii"}, paletteentrystatement},
    {scanner::ALIAS, {"nn", nullptr}, aliasstatement},
    {scanner::HIGHLIGHT, {"c", nullptr}, highlightstatement},
    {scanner::SPEEDUP, {"i", nullptr}, speedupstatement},
    // The list's names are resolved by the list itself, after its limit check.
    {scanner::COLORLIST, {"wwwww", nullptr}, colorliststatement},
    {scanner::BUTTONSTUFF, {"cicc", nullptr}, buttonstuffstatement},
    {scanner::CANCEL, {"nnnn", nullptr}, nothing},
    {scanner::FUNCTION, {"nii", "niii"}, functionstatement},
    {scanner::REDRAWFUNC, {"n", nullptr}, redrawfuncstatement},
    {scanner::MSG, {"nt", nullptr}, msgstatement},
    {scanner::POPUP, {"niicccci", "niiccccip"}, popupstatement},
    {scanner::PLABEL, {"nibt", "nibti"}, plabelstatement},
    {scanner::WINDOW, {"niiiiccciii", nullptr}, windowstatement},
    {scanner::BUTTON, {"ntiiiicccbiiiw", nullptr}, buttonstatement},
    {scanner::LABEL, {"iict", "iictc"}, labelstatement},
    {scanner::FIELD, {"niiiic", nullptr}, fieldstatement},
    {scanner::RECT, {"iiiiciw", nullptr}, rectstatement},
    {scanner::LINE, {"iiiiic", nullptr}, linestatement},
    {scanner::DRAGAREA, {"niiiicdi", nullptr}, dragareastatement},
};

// The longest form has 14 values.
constexpr int MAXVALUES = 14;

[[noreturn]] void syntaxerror() { scanner::erroronline("parse error"); }

// The grammar of each token code that begins a statement, found by the code.
constexpr int CODES = scanner::TEXT + 1;
const std::array<const Grammar*, CODES> BYCODE = [] {
  std::array<const Grammar*, CODES> table{};
  for (const Grammar& g : GRAMMAR) table[static_cast<std::size_t>(g.keyword)] = &g;
  return table;
}();

const Grammar* statementfor(int token) {
  return token >= 0 && token < CODES ? BYCODE[static_cast<std::size_t>(token)] : nullptr;
}

bool fits(char kind, int token) {
  switch (kind) {
    case 'i': return token == scanner::NUMBER;
    case 't': return token == scanner::TEXT;
    default: return token == scanner::NAME;
  }
}

// In the filling pass colours and functions are resolved as soon as they are read.
void resolve(char kind, Value& value) {
  switch (kind) {
    case 'c': value.color = convertcolor(value.text); break;
    case 'b': value.entry = bindfunction(value.text, VXFORM_NAME); break;
    case 'd': value.entry = bindfunction(value.text, VXFORM_DRAG); break;
    case 'p': value.entry = bindfunction(value.text, VXFORM_PLAIN); break;
    default: break;
  }
}

// Reads the parenthesised values of `g` and returns the form that was written.
int readvalues(const Grammar& g, Pass pass, Value* values, int& nvalues) {
  bool alive[2] = {g.forms[0] != nullptr, g.forms[1] != nullptr};
  std::size_t length[2] = {alive[0] ? std::strlen(g.forms[0]) : 0,
                           alive[1] ? std::strlen(g.forms[1]) : 0};
  nvalues = 0;
  for (;;) {
    TokenValue token;
    int code = scanner::next(token);
    std::size_t at = static_cast<std::size_t>(nvalues);
    if (code == ')') {
      for (int f = 0; f < 2; f++)
        if (alive[f] && length[f] == at) return f;
      syntaxerror();
    }
    char kind = 0;
    for (int f = 0; f < 2; f++) {
      if (alive[f] && (length[f] <= at || !fits(g.forms[f][at], code))) alive[f] = false;
      if (alive[f]) kind = g.forms[f][at];
    }
    if (kind == 0 || nvalues == MAXVALUES) syntaxerror();
    Value& value = values[nvalues++];
    value = Value{token.number, token.text, 0, nullptr};
    if (pass == Pass::FILLING) resolve(kind, value);
  }
}

}  // namespace

void parsedescription(Pass pass) {
  beginstatements(pass);
  bool any = false;
  TokenValue token;
  int code = scanner::next(token);
  while (code != 0) {
    const Grammar* g = statementfor(code);
    if (g == nullptr) syntaxerror();
    Value values[MAXVALUES];  // each filled as it is read; an action reads no further
    Statement statement{pass, values, 0, token.number};
    int nvalues = 0;
    if (g->forms[0] != nullptr) {
      if (g->keyword != '(' && scanner::next(token) != '(') syntaxerror();
      statement.form = readvalues(*g, pass, values, nvalues);
    }
    g->action(statement);
    any = true;
    token = TokenValue{};
    code = scanner::next(token);
  }
  if (!any) syntaxerror();
}

const ModelCounts& countedrecords() { return statementcounts(); }

}  // namespace vx
