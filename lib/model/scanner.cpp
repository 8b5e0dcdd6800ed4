// The description-file scanner over text held in memory.
#include "model/scanner.h"

#include <array>
#include <climits>
#include <cstring>

#include "core/log.h"
#include "model/language.h"
#include "model/reports.h"

namespace vx::scanner {

namespace {

// What each byte can begin.
enum Class : unsigned char { OTHER, BLANK, LINEFEED, RETURN, HASH, LETTER, DIGIT, MINUS, BAR };

constexpr std::array<unsigned char, 256> CLASSES = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 'a'; c <= 'z'; c++) table[static_cast<std::size_t>(c)] = LETTER;
  for (int c = 'A'; c <= 'Z'; c++) table[static_cast<std::size_t>(c)] = LETTER;
  for (int c = '0'; c <= '9'; c++) table[static_cast<std::size_t>(c)] = DIGIT;
  table['@'] = LETTER;
  table[' '] = table['\t'] = table[','] = BLANK;
  table['\n'] = LINEFEED;
  table['\r'] = RETURN;
  table['#'] = HASH;
  table['-'] = MINUS;
  table['|'] = BAR;
  return table;
}();

// Which bytes continue a word, looked up rather than compared in the tightest loop.
constexpr std::array<bool, 256> WORDCHAR = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; c++)
    table[static_cast<std::size_t>(c)] =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  return table;
}();

// The bytes a text or comment stops at: a line end, and for a text its bar and NUL.
constexpr std::array<bool, 256> TEXTSTOP = [] {
  std::array<bool, 256> table{};
  table['\n'] = table['\r'] = table['|'] = table['\0'] = true;
  return table;
}();

bool isdigit(unsigned char c) { return c >= '0' && c <= '9'; }
unsigned char fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// The keywords of each length, so that a word is compared only with those as long.
constexpr std::size_t LONGESTKEYWORD = 11;
constexpr std::size_t MOSTOFALENGTH = 8;
struct SameLength {
  std::array<const Grammar*, MOSTOFALENGTH> words;
  std::size_t count;
};
// A word longer than the longest, or too many of one length, stops the program as it
// starts, before it reads any file.
const std::array<SameLength, LONGESTKEYWORD + 1> BYLENGTH = [] {
  std::array<SameLength, LONGESTKEYWORD + 1> table{};
  for (const Grammar& g : language()) {
    if (g.word == nullptr) continue;
    SameLength& same = table.at(std::strlen(g.word));
    same.words.at(same.count++) = &g;
  }
  return table;
}();

ScannerState& state() { return modelstate.scanner; }

unsigned char at(const ScannerState& s, std::size_t i) {
  return static_cast<unsigned char>(s.input[i]);
}

// The length of the line end at i, or 0. A line ends at a line feed, at a carriage
// return and line feed read as one (as a text-mode read delivers them), and at a lone
// carriage return (as old Mac editors wrote): every rule that looks for the end of a
// line finds all three, so such a file counts, comments and reports its lines as any.
std::size_t lineendat(const ScannerState& s, std::size_t i) {
  if (i >= s.length) return 0;
  if (at(s, i) == '\n') return 1;
  if (at(s, i) == '\r') return i + 1 < s.length && at(s, i + 1) == '\n' ? 2 : 1;
  return 0;
}

// A new line starts at `from`, counted both ways.
void newline(ScannerState& s, std::size_t from) {
  s.linestart = from;
  s.linecopied = false;
  s.line++;
  s.physlinestart = from;
  s.physline++;
}

// Copies the current line's first characters for reports.
void copyline(ScannerState& s) {
  if (s.linecopied) return;
  std::size_t end = s.linestart;
  while (end < s.length && end - s.linestart < LINECOPY && lineendat(s, end) == 0) end++;
  std::size_t count = end - s.linestart;
  std::memcpy(s.linecopy, s.input + s.linestart, count);
  s.linecopy[count] = '\0';
  s.linecopied = true;
}

bool keywordmatches(const ScannerState& s, const Grammar& g, std::size_t from, std::size_t count) {
  for (std::size_t i = 0; i < count; i++) {
    unsigned char c = at(s, from + i);
    auto k = static_cast<unsigned char>(g.word[i]);
    if (g.exactcase ? c != k : fold(c) != k) return false;
  }
  return true;
}

int word(ScannerState& s, TokenValue& value, std::size_t from) {
  std::size_t p = from + 1;
  while (p < s.length && WORDCHAR[at(s, p)]) p++;
  s.tokenstart = from;
  s.position = s.tokenend = p;
  s.unclosed = false;
  std::size_t count = p - from;
  if (count <= LONGESTKEYWORD) {
    const SameLength& same = BYLENGTH[count];
    for (std::size_t k = 0; k < same.count; k++) {
      if (keywordmatches(s, *same.words[k], from, count)) {
        value.number = same.words[k]->variant;
        return same.words[k]->token;
      }
    }
  }
  value.text = s.input + from;
  value.length = count;
  return NAME;
}

// Numbers beyond 32 bits saturate at INT_MAX or INT_MIN rather than wrap, so a
// mistyped huge value stays huge instead of turning into a small or negative one.
int number(ScannerState& s, TokenValue& value, std::size_t from) {
  std::size_t p = from;
  bool negative = at(s, p) == '-';
  if (negative) p++;
  constexpr long long LIMIT = static_cast<long long>(INT_MAX) + 1;
  long long magnitude = 0;
  while (p < s.length && isdigit(at(s, p))) {
    if (magnitude < LIMIT) magnitude = magnitude * 10 + (at(s, p) - '0');
    p++;
  }
  if (magnitude > LIMIT) magnitude = LIMIT;
  if (negative)
    value.number = magnitude == LIMIT ? INT_MIN : static_cast<int>(-magnitude);
  else
    value.number = magnitude >= LIMIT ? INT_MAX : static_cast<int>(magnitude);
  value.text = s.input + from;
  value.length = p - from;
  s.tokenstart = from;
  s.position = s.tokenend = p;
  s.unclosed = false;
  return NUMBER;
}

// A text runs to the closing bar or to the end of its line, whose line feed it
// swallows without counting a line. A NUL byte ends it too, so that the byte
// reaches the parser as an error instead of silently cutting the text short.
int text(ScannerState& s, TokenValue& value, std::size_t from) {
  const std::size_t length = s.length;
  std::size_t p = from + 1;
  while (p < length && !TEXTSTOP[at(s, p)]) p++;
  value.text = s.input + from + 1;
  value.length = p - from - 1;
  s.tokenstart = from;
  s.unclosed = p == length || at(s, p) != '|';
  if (!s.unclosed) {
    s.position = s.tokenend = p + 1;
    return TEXT;
  }
  s.tokenend = p;
  if (std::size_t end = lineendat(s, p); end > 0) {
    // Taken in but not counted, except by editors.
    p += end;
    s.physline++;
    s.physlinestart = p;
  }
  s.position = p;
  return TEXT;
}

}  // namespace

void start(const char* text, std::size_t size) {
  ScannerState& s = state();
  s.input = text;
  s.length = text == nullptr ? 0 : size;
  s.position = 0;
  s.line = 0;
  s.linestart = 0;
  s.linecopied = true;
  s.physline = 0;
  s.physlinestart = 0;
  s.tokenstart = s.tokenend = 0;
  s.unclosed = false;
}

int next(TokenValue& value) {
  ScannerState& s = state();
  std::size_t p = s.position;
  while (p < s.length) {
    unsigned char c = at(s, p);
    switch (CLASSES[c]) {
      case BLANK: p++; continue;
      case LINEFEED: newline(s, ++p); continue;
      case RETURN:
        p += p + 1 < s.length && at(s, p + 1) == '\n' ? 2 : 1;
        newline(s, p);
        continue;
      case HASH:
        while (p < s.length && at(s, p) != '\n' && at(s, p) != '\r') p++;
        continue;
      case LETTER: return word(s, value, p);
      case DIGIT: return number(s, value, p);
      case MINUS:
        if (p + 1 < s.length && isdigit(at(s, p + 1))) return number(s, value, p);
        break;
      case BAR: return text(s, value, p);
      default: break;
    }
    s.tokenstart = p;
    s.position = s.tokenend = p + 1;
    s.unclosed = false;
    return c == '\0' ? NULCHAR : c;
  }
  s.position = s.tokenstart = s.tokenend = p;
  s.unclosed = false;
  copyline(s);
  return 0;
}

int linenumber() { return state().line; }

const char* currentline() {
  copyline(state());
  return state().linecopy;
}

void erroronline(const char* message) {
  ScannerState& s = state();
  copyline(s);
  fatal(reports::ERRORONLINE, s.line, s.linecopy, message != nullptr ? message : "");
}

void reportat(int line, std::size_t linestart) {
  ScannerState& s = state();
  s.line = line;
  if (line == 0) return;
  s.linestart = linestart;
  s.linecopied = false;
}

Mark mark() {
  const ScannerState& s = state();
  return {s.position, s.linestart, s.physlinestart, s.line, s.physline, s.linecopied};
}

void rewind(const Mark& at) {
  ScannerState& s = state();
  s.position = at.position;
  s.linestart = at.linestart;
  s.physlinestart = at.physlinestart;
  s.line = at.line;
  s.physline = at.physline;
  s.linecopied = at.linecopied;
}

StatementStart tokenorigin() {
  const ScannerState& s = state();
  // A text that took in its line end has moved the line on past itself.
  if (s.position > s.tokenend && s.tokenstart < s.physlinestart) {
    std::size_t linestart = s.tokenstart;
    while (linestart > 0 && at(s, linestart - 1) != '\n' && at(s, linestart - 1) != '\r')
      linestart--;
    return {s.tokenstart, linestart, s.physline - 1};
  }
  return {s.tokenstart, s.physlinestart, s.physline};
}

Place placefrom(const StatementStart& start, std::size_t offset) {
  const ScannerState& s = state();
  int line = start.line;
  std::size_t linestart = start.linestart;
  for (std::size_t i = start.offset; i < offset;) {
    std::size_t end = lineendat(s, i);
    i += end > 0 ? end : 1;
    if (end > 0) {
      line++;
      linestart = i;
    }
  }
  return {line + 1, static_cast<int>(offset - linestart) + 1};
}

Place tokenplace() {
  const ScannerState& s = state();
  if (s.tokenstart >= s.length) return endplace();
  StatementStart origin = tokenorigin();
  return {origin.line + 1, static_cast<int>(s.tokenstart - origin.linestart) + 1};
}

int tokenlength() {
  const ScannerState& s = state();
  return static_cast<int>(s.tokenend - s.tokenstart);
}

bool tokenunclosed() { return state().unclosed; }

Place endplace() {
  const ScannerState& s = state();
  if (s.length == 0) return {1, 1};
  // A last line end ends the last line rather than starting another.
  std::size_t last = s.length;
  if (at(s, last - 1) == '\n' || at(s, last - 1) == '\r')
    last -= last >= 2 && at(s, last - 2) == '\r' && at(s, last - 1) == '\n' ? 2 : 1;
  std::size_t from = last;
  while (from > 0 && at(s, from - 1) != '\n' && at(s, from - 1) != '\r') from--;
  int before = 0;
  for (std::size_t i = 0; i < from;) {
    std::size_t end = lineendat(s, i);
    before += end > 0 ? 1 : 0;
    i += end > 0 ? end : 1;
  }
  return {before + 1, static_cast<int>(last - from) + 1};
}

}  // namespace vx::scanner
