// The description-file scanner over text held in memory.
#include "model/scanner.h"

#include <array>
#include <climits>
#include <cstring>
#include <new>
#include <string>

#include "core/log.h"

namespace vx::scanner {

namespace {

const char* input = nullptr;
std::size_t length = 0;
std::size_t position = 0;
bool owncopies = false;
int line = 0;
// The current line is copied for reports only when one asks for it, or when the pass
// ends: the copy outlives the text it came from.
std::size_t linestart = 0;
bool linecopied = true;
char linecopy[LINECOPY + 1] = "";  // kept from one pass to the next

struct Keyword {
  const char* spelling;
  int code;
  int number;
  bool exactcase;
  std::size_t length = std::char_traits<char>::length(spelling);
};

constexpr Keyword KEYWORDS[] = {
    {"alias", ALIAS, 0, false},
    {"palette", PALETTE, 0, false},
    {"end", END, 0, false},
    {"highlight", HIGHLIGHT, 0, false},
    {"speedup", SPEEDUP, 0, false},
    {"buttonstuff", BUTTONSTUFF, 0, false},
    {"CANCEL", CANCEL, 0, true},
    {"function", FUNCTION, 0, false},
    {"redrawfunc", REDRAWFUNC, 0, false},
    {"msg", MSG, 0, false},
    {"popup", POPUP, 0, false},
    {"plabel", PLABEL, 0, false},
    {"window", WINDOW, 0, false},
    {"button", BUTTON, 1, false},
    {"label", LABEL, 1, false},
    {"field", FIELD, 0, false},
    {"labels", LABEL, 0, false},
    {"buttons", BUTTON, 0, false},
    {"rect", RECT, 0, false},
    {"line", LINE, 0, false},
    {"dragarea", DRAGAREA, 0, false},
    {"colorlist", COLORLIST, 0, false},
};

// The keywords of each length, so that a word is compared only with those as long.
constexpr std::size_t LONGESTKEYWORD = 11;
static_assert([] {
  for (const Keyword& keyword : KEYWORDS)
    if (keyword.length > LONGESTKEYWORD) return false;
  return true;
}());
struct SameLength {
  const Keyword* words[std::size(KEYWORDS)];
  int count;
};
const std::array<SameLength, LONGESTKEYWORD + 1> BYLENGTH = [] {
  std::array<SameLength, LONGESTKEYWORD + 1> table{};
  for (const Keyword& keyword : KEYWORDS) {
    SameLength& same = table[keyword.length];
    same.words[same.count++] = &keyword;
  }
  return table;
}();

// Which bytes continue a word, looked up rather than compared in the tightest loop.
const std::array<bool, 256> WORDCHAR = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; c++)
    table[static_cast<std::size_t>(c)] =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  return table;
}();

bool isletter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isdigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool iswordchar(unsigned char c) { return WORDCHAR[c]; }
unsigned char fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

unsigned char at(std::size_t i) { return static_cast<unsigned char>(input[i]); }

// The length of the line end at i, or 0. A line ends at a line feed, at a carriage
// return and line feed read as one (as a text-mode read delivers them), and at a lone
// carriage return (as old Mac editors wrote): every rule that looks for the end of a
// line finds all three, so such a file counts, comments and reports its lines as any.
std::size_t lineendat(std::size_t i) {
  if (i >= length) return 0;
  if (at(i) == '\n') return 1;
  if (at(i) == '\r') return i + 1 < length && at(i + 1) == '\n' ? 2 : 1;
  return 0;
}

// Starts a new line at `from`.
void newline(std::size_t from) {
  linestart = from;
  linecopied = false;
  line++;
}

// Copies the current line's first characters for reports.
void copyline() {
  if (linecopied) return;
  std::size_t end = linestart;
  while (end < length && end - linestart < LINECOPY && lineendat(end) == 0) end++;
  std::size_t count = end - linestart;
  std::memcpy(linecopy, input + linestart, count);
  linecopy[count] = '\0';
  linecopied = true;
}

// Copies go round a ring of buffers that keep their size, so that reading a file
// allocates only while the buffers grow to its longest words and texts.
std::string ring[RINGSIZE];
int ringnext = 0;

char* copyof(std::size_t from, std::size_t count) {
  std::string& copy = ring[ringnext];
  ringnext = (ringnext + 1) % RINGSIZE;
  try {
    copy.assign(input + from, count);
  } catch (const std::bad_alloc&) {
    fatal("Out of memory for a name or text on line %d.\n", line);
  }
  return copy.data();
}

bool keywordmatches(const Keyword& keyword, std::size_t from, std::size_t count) {
  if (keyword.length != count) return false;
  for (std::size_t i = 0; i < count; i++) {
    unsigned char c = at(from + i);
    unsigned char k = static_cast<unsigned char>(keyword.spelling[i]);
    if (keyword.exactcase ? c != k : fold(c) != k) return false;
  }
  return true;
}

int word(TokenValue& value) {
  std::size_t from = position++;
  while (position < length && iswordchar(at(position))) position++;
  std::size_t count = position - from;
  if (count <= LONGESTKEYWORD) {
    const SameLength& same = BYLENGTH[count];
    for (int k = 0; k < same.count; k++) {
      if (keywordmatches(*same.words[k], from, count)) {
        value.number = same.words[k]->number;
        return same.words[k]->code;
      }
    }
  }
  if (owncopies) value.text = copyof(from, count);
  return NAME;
}

// Numbers beyond 32 bits saturate at INT_MAX or INT_MIN rather than wrap, so a
// mistyped huge value stays huge instead of turning into a small or negative one.
int number(TokenValue& value) {
  bool negative = at(position) == '-';
  if (negative) position++;
  constexpr long long LIMIT = static_cast<long long>(INT_MAX) + 1;
  long long magnitude = 0;
  while (position < length && isdigit(at(position))) {
    if (magnitude < LIMIT) magnitude = magnitude * 10 + (at(position) - '0');
    position++;
  }
  if (magnitude > LIMIT) magnitude = LIMIT;
  if (negative)
    value.number = magnitude == LIMIT ? INT_MIN : static_cast<int>(-magnitude);
  else
    value.number = magnitude >= LIMIT ? INT_MAX : static_cast<int>(magnitude);
  return NUMBER;
}

// A text runs to the closing bar or to the end of its line, whose line feed it
// swallows without counting a line. A NUL byte ends it too, so that the byte
// reaches the parser as an error instead of silently cutting the copy short.
int text(TokenValue& value) {
  std::size_t from = ++position;
  while (position < length && at(position) != '|' && at(position) != '\0' &&
         lineendat(position) == 0)
    position++;
  std::size_t count = position - from;
  if (position < length) {
    if (at(position) == '|')
      position++;
    else
      position += lineendat(position);
  }
  if (owncopies) value.text = copyof(from, count);
  return TEXT;
}

}  // namespace

void start(const char* text, std::size_t size, bool copies) {
  input = text;
  length = text == nullptr ? 0 : size;
  position = 0;
  owncopies = copies;
  line = 0;
  linecopied = true;
}

void forgetline() {
  linecopy[0] = '\0';
  linecopied = true;
}

int next(TokenValue& value) {
  value = TokenValue{};
  while (position < length) {
    unsigned char c = at(position);
    if (std::size_t end = lineendat(position); end > 0) {
      position += end;
      newline(position);
    } else if (c == ' ' || c == '\t' || c == ',') {
      position++;
    } else if (c == '#') {
      while (position < length && lineendat(position) == 0) position++;
    } else if (isletter(c) || c == '@') {
      return word(value);
    } else if (isdigit(c) || (c == '-' && position + 1 < length && isdigit(at(position + 1)))) {
      return number(value);
    } else if (c == '|') {
      return text(value);
    } else {
      position++;
      return c == '\0' ? NULCHAR : c;
    }
  }
  copyline();
  return 0;
}

int linenumber() { return line; }

const char* currentline() {
  copyline();
  return linecopy;
}

void erroronline(const char* message) {
  copyline();
  fatal("Error on line: %d.\nLine: |%s|\nMessage: %s.\n", line, linecopy,
        message != nullptr ? message : "");
}

}  // namespace vx::scanner
