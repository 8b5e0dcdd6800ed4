// The description language, defined once: every statement word, its forms, the kind
// and name of each value, and where functions stand and in which callback form. The
// scanner takes its keywords from here, the parser its grammar, and the tools their
// checks, lists and stubs.
#pragma once

#include <span>
#include <string_view>

#include "model/scanner.h"
#include "vx.h"

namespace vx {

struct Statement;

// The kinds of value, one character each in a form.
namespace kind {
constexpr char NAME = 'n';
constexpr char NUMBER = 'i';
constexpr char TEXT = 't';
constexpr char WORD = 'w';        // read for its letters: a justification, "fill"
constexpr char COLOR = 'c';       // a colour name or alias, resolved as it is read
constexpr char LISTCOLOR = 'l';   // a colour of a list, resolved by the list after its limit
constexpr char NAMEFUNC = 'b';    // functions, by the callback form their row must hold;
constexpr char DRAGFUNC = 'd';    // a leading "@" is skipped for the look-up
constexpr char PLAINFUNC = 'p';   //
constexpr char EVENTFUNC = 'e';   // bound by its statement, after its name is checked
constexpr char REDRAWFUNC = 'r';  // plain, looked up by its exact name, "@" and all
}  // namespace kind

// Whether a value of the kind names a row of the callback table.
constexpr bool isfunction(char k) {
  return k == kind::NAMEFUNC || k == kind::DRAGFUNC || k == kind::PLAINFUNC ||
         k == kind::EVENTFUNC || k == kind::REDRAWFUNC;
}

// The callback form a function of the kind is bound in.
constexpr VXform callbackform(char k) {
  switch (k) {
    case kind::NAMEFUNC: return VXFORM_NAME;
    case kind::DRAGFUNC: return VXFORM_DRAG;
    case kind::EVENTFUNC: return VXFORM_EVENT;
    default: return VXFORM_PLAIN;
  }
}

// The token a value of the kind must be.
constexpr int tokenof(char k) {
  return k == kind::NUMBER ? scanner::NUMBER : k == kind::TEXT ? scanner::TEXT : scanner::NAME;
}

struct Form {
  const char* kinds;  // one kind a value, in order; null: the form does not exist
  const char* names;  // the values' names, blank-separated, as docs/language.md shows them

  int count() const { return static_cast<int>(std::char_traits<char>::length(kinds)); }
  // The name of value k (from 0).
  std::string_view name(int k) const;
};

// One statement word. "button" and "buttons", "label" and "labels" are rows of their
// own that share a token, their variant telling them apart.
struct Grammar {
  const char* word;  // as written; null for a palette entry, which begins with "("
  int token;         // the scanner's code of the statement's first token
  int variant;       // the keyword's number: 1 button and label, 0 buttons and labels
  bool exactcase;    // the word is a keyword only as written (CANCEL)
  Form forms[2];     // the shorter first; none for palette and end, which take no values
  void (*action)(Statement&);

  bool takesvalues() const { return forms[0].kinds != nullptr; }
  // The word, or "palette entry".
  const char* name() const { return word != nullptr ? word : "palette entry"; }
};

// Every statement, in the order of docs/language.md.
std::span<const Grammar> language();

// The row of a statement's first token and its number (the variant), or null when the
// token begins no statement.
const Grammar* grammarfor(int token, int number);

}  // namespace vx
