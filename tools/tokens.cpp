// A description file's tokens with their places.
#include "tokens.h"

#include <cstdio>

#include "model/scanner.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

struct Word {
  int code;
  int number;  // -1: any
  const char* spelling;
};

constexpr Word WORDS[] = {
    {scanner::PALETTE, -1, "palette"},
    {scanner::END, -1, "end"},
    {scanner::ALIAS, -1, "alias"},
    {scanner::HIGHLIGHT, -1, "highlight"},
    {scanner::SPEEDUP, -1, "speedup"},
    {scanner::BUTTONSTUFF, -1, "buttonstuff"},
    {scanner::CANCEL, -1, "CANCEL"},
    {scanner::FUNCTION, -1, "function"},
    {scanner::REDRAWFUNC, -1, "redrawfunc"},
    {scanner::POPUP, -1, "popup"},
    {scanner::PLABEL, -1, "plabel"},
    {scanner::WINDOW, -1, "window"},
    {scanner::FIELD, -1, "field"},
    {scanner::RECT, -1, "rect"},
    {scanner::LINE, -1, "line"},
    {scanner::DRAGAREA, -1, "dragarea"},
    {scanner::MSG, -1, "msg"},
    {scanner::COLORLIST, -1, "colorlist"},
    {scanner::LABEL, 1, "label"},
    {scanner::LABEL, 0, "labels"},
    {scanner::BUTTON, 1, "button"},
    {scanner::BUTTON, 0, "buttons"},
};

bool isword(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Where the token the scanner found from `from` on ends, by what it is; the scanner
// skipped blanks, tabs and commas to reach it.
std::size_t tokenend(int code, std::string_view line, std::size_t from, bool* unclosed) {
  std::size_t at = from + 1;
  *unclosed = false;
  if (code == scanner::TEXT) {
    while (at < line.size() && line[at] != '|' && line[at] != '\0') at++;
    if (at < line.size() && line[at] == '|') return at + 1;
    *unclosed = true;
    return at;
  }
  if (code == scanner::NUMBER) {
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') at++;
    return at;
  }
  if (code == scanner::NAME || isstatementword(code)) {
    while (at < line.size() && isword(line[at])) at++;
  }
  return at;
}

std::string cut(const std::string& text) {
  constexpr std::size_t LONGEST = 24;
  return text.size() <= LONGEST ? text : text.substr(0, LONGEST) + "...";
}

}  // namespace

std::vector<Token> tokenize(const Source& source) {
  std::vector<Token> tokens;
  int scannerline = 0;
  for (int n = 1; n <= source.lines(); n++) {
    std::string_view line = source.line(n);
    // A line at a time: no token runs past the end of its line.
    scanner::start(line.data(), line.size(), true);
    std::size_t cursor = 0;
    bool swallowed = false;
    scanner::TokenValue value;
    while (int code = scanner::next(value)) {
      while (cursor < line.size() &&
             (line[cursor] == ' ' || line[cursor] == '\t' || line[cursor] == ','))
        cursor++;
      bool unclosed = false;
      std::size_t end = tokenend(code, line, cursor, &unclosed);
      tokens.push_back({code,
                        value.number,
                        value.text != nullptr ? value.text : "",
                        {n, static_cast<int>(cursor) + 1},
                        static_cast<int>(end - cursor),
                        scannerline,
                        unclosed});
      value = {};
      // The scanner takes the line end after an unclosed text into the text, and does
      // not count it.
      swallowed = unclosed && end == line.size() && source.ended(n);
      cursor = end;
    }
    if (!swallowed) scannerline++;
  }
  // The loader's reports must not see this scan's last line.
  scanner::forgetline();
  Place end = source.end();
  tokens.push_back({0, 0, "", end, 0, scannerline, false});
  return tokens;
}

bool isstatementword(int code) {
  return code >= scanner::PALETTE && code <= scanner::BUTTON && code != scanner::NUMBER;
}

std::string statementname(const Token& first) {
  if (first.code == '(') return "palette entry";
  for (const Word& w : WORDS)
    if (w.code == first.code && (w.number < 0 || w.number == first.number)) return w.spelling;
  return "statement";
}

std::string folded(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

std::string quoted(const std::string& name) {
  // Built by appending: GCC 12 at -O3 warns falsely about a literal put in front of a
  // temporary string.
  std::string text = "'";
  return text.append(cut(name)).append("'");
}

std::vector<std::string> statementwords() {
  std::vector<std::string> words;
  for (const Word& w : WORDS) words.emplace_back(w.spelling);
  return words;
}

std::string describe(const Token& token) {
  switch (token.code) {
    case 0: return "the end of the file";
    case scanner::NUMBER: return "the number " + std::to_string(token.number);
    case scanner::TEXT: return "the text |" + cut(token.text) + (token.unclosed ? "" : "|");
    case scanner::NAME: return "the name " + quoted(token.text);
    case scanner::NULCHAR: return "a NUL byte";
    default: break;
  }
  if (isstatementword(token.code)) return "the statement word '" + statementname(token) + "'";
  if (token.code > ' ' && token.code < 0x7f) return std::string("'") + char(token.code) + "'";
  char byte[32];
  std::snprintf(byte, sizeof byte, "the byte 0x%02x", static_cast<unsigned>(token.code));
  return byte;
}

}  // namespace vxtool
