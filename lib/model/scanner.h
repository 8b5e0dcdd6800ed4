// The description-file scanner: turns the file's text into tokens for the parser.
//
// The scanner works on text already in memory; the loader reads the file once and
// scans it twice. It keeps the line number and a copy of the current line for the
// error-on-line report.
#pragma once

#include <cstddef>

namespace vx::scanner {

// Token codes handed to the parser; 0 is the end of input and every character that
// starts no token comes back as its own code.
enum : int {
  PALETTE = 258,
  END = 259,
  ALIAS = 260,
  HIGHLIGHT = 261,
  SPEEDUP = 262,
  BUTTONSTUFF = 263,
  CANCEL = 264,
  FUNCTION = 265,
  REDRAWFUNC = 266,
  POPUP = 267,
  PLABEL = 268,
  WINDOW = 269,
  FIELD = 270,
  RECT = 271,
  LINE = 272,
  DRAGAREA = 273,
  MSG = 274,
  COLORLIST = 275,
  NUMBER = 276,
  LABEL = 277,   // number: 1 for "label", 0 for "labels"
  BUTTON = 278,  // number: 1 for "button", 0 for "buttons"
  NAME = 279,
  TEXT = 280,
};

// A NUL byte in the text: 0 already means the end of input, so the byte gets a code
// of its own, which the grammar accepts nowhere (a parse error, not a cut-off file).
constexpr int NULCHAR = 256;

// How many NAME and TEXT tokens keep their copies at once: more than a statement has.
constexpr int RINGSIZE = 16;

// The value that comes with a token.
struct TokenValue {
  int number = 0;  // NUMBER, LABEL, BUTTON
  // NAME, TEXT, only when copies were asked for: the token's characters and a NUL, in
  // the scanner's own buffers, valid until RINGSIZE more such tokens have been read.
  char* text = nullptr;
};

// The longest current-line copy kept for reports.
constexpr std::size_t LINECOPY = 254;

// Points the scanner at a new pass over `size` bytes of `text` (which must outlive
// the pass). The line number starts at 0; the current-line copy is kept from any
// earlier pass. With `copies` set, NAME and TEXT tokens carry copies of their text.
void start(const char* text, std::size_t size, bool copies);

// Forgets the current-line copy, as before the first pass of a program. For tools
// that scan a file themselves before loading it.
void forgetline();

// The next token's code, 0 at the end of input.
int next(TokenValue& value);

int linenumber();
const char* currentline();

// "Error on line: %d.\nLine: |%s|\nMessage: %s.\n", fatal.
[[noreturn]] void erroronline(const char* message);

}  // namespace vx::scanner
