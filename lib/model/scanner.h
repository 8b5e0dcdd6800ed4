// The description-file scanner: turns the file's text into tokens for the parser.
//
// The scanner works on text already in memory, which the loader reads once. It keeps
// the line number and a copy of the current line for the error-on-line report, and the
// place of each token for the loader's reporting mode.
#pragma once

#include <cstddef>
#include <string_view>

#include "model/state.h"

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

// Whether the code is a statement word's.
constexpr bool iskeyword(int code) { return code >= PALETTE && code <= BUTTON && code != NUMBER; }

// The value that comes with a token.
struct TokenValue {
  int number = 0;  // NUMBER, LABEL, BUTTON
  // NAME, TEXT: the token's characters in the text, without the bars of a text.
  const char* text = nullptr;
  std::size_t length = 0;

  std::string_view view() const { return {text, length}; }
};

// The longest current-line copy kept for reports.
constexpr std::size_t LINECOPY = sizeof ScannerState::linecopy - 1;

// Points the scanner at `size` bytes of `text`, which must outlive the scan. The line
// number starts at 0; the current-line copy is kept from any earlier scan.
void start(const char* text, std::size_t size);

// The next token's code, 0 at the end of input.
int next(TokenValue& value);

int linenumber();
const char* currentline();

// "Error on line: %d.\nLine: |%s|\nMessage: %s.\n", fatal.
[[noreturn]] void erroronline(const char* message);

// Sets the line the next report gives, after the scan: the line and where it starts in
// the text. Line 0 keeps the copy the scan left, as a report before the first line end
// of a scan does.
void reportat(int line, std::size_t linestart);

// Where the scanner is, to come back to and read again.
struct Mark {
  std::size_t position, linestart, physlinestart;
  int line, physline;
  bool linecopied;
};
Mark mark();
void rewind(const Mark& at);

// Where the last token starts, with its line as editors count lines.
StatementStart tokenorigin();
// The place of a token at `offset` in the text, for a statement that began at `start`.
Place placefrom(const StatementStart& start, std::size_t offset);

// Where the last token stands and how many bytes it takes (a text without its closing
// bar does not take the line end it runs into), and whether it is such a text.
Place tokenplace();
int tokenlength();
bool tokenunclosed();
// Just after the last character of the text's last line.
Place endplace();

}  // namespace vx::scanner
