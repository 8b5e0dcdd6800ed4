// The statements of a description file, read as the library's grammar reads them.
#include "syntax.h"

#include <cstring>
#include <string>

#include "model/scanner.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

// The forms of docs/language.md, with the names of their values.
struct Grammar {
  int keyword;
  const char* forms[2];
  const char* names[2];
  const char* takes;  // how many values, as the count message says it
};

constexpr Grammar GRAMMAR[] = {
    {scanner::PALETTE, {}, {}, nullptr},
    {scanner::END, {}, {}, nullptr},
    // The form with an index is read, and refused when it is acted on.
    {'(', {"niii", "niiii"}, {"name red green blue", "name index red green blue"}, "4"},
    {scanner::ALIAS, {"nn"}, {"alias colour"}, "2"},
    {scanner::HIGHLIGHT, {"c"}, {"colour"}, "1"},
    {scanner::SPEEDUP, {"i"}, {"n"}, "1"},
    {scanner::COLORLIST, {"lllll"}, {"colour colour colour colour colour"}, "5"},
    {scanner::BUTTONSTUFF, {"cicc"}, {"frame crossout light dark"}, "4"},
    {scanner::CANCEL, {"nnnn"}, {"name name name name"}, "4"},
    {scanner::FUNCTION, {"eii", "eiii"}, {"name value flag", "name value flag value"}, "3 or 4"},
    {scanner::REDRAWFUNC, {"r"}, {"name"}, "1"},
    {scanner::MSG, {"nt"}, {"name text"}, "2"},
    {scanner::POPUP,
     {"niicccci", "niiccccip"},
     {"name left top enabled disabled background border checklist",
      "name left top background enabled disabled border checklist function"},
     "8 or 9"},
    {scanner::PLABEL,
     {"nibt", "nibti"},
     {"name state function text", "name state function text checked"},
     "4 or 5"},
    {scanner::WINDOW,
     {"niiiiccciii"},
     {"name left top width height foreground background border borderwidth level store"},
     "11"},
    {scanner::BUTTON,
     {"ntiiiicccbiiiw"},
     {"name text left top width height active inactive face function shaded state repeat "
      "justification"},
     "14"},
    {scanner::LABEL, {"iict", "iictc"}, {"x y colour text", "x y colour text shadow"}, "4 or 5"},
    {scanner::FIELD, {"niiiic"}, {"name left top width height colour"}, "6"},
    {scanner::RECT, {"iiiiciw"}, {"left top width height colour style fill"}, "7"},
    {scanner::LINE, {"iiiiic"}, {"x1 y1 x2 y2 style colour"}, "6"},
    {scanner::DRAGAREA, {"niiiicdi"}, {"name left top width height face function state"}, "8"},
};

const Grammar* grammarfor(int code) {
  for (const Grammar& g : GRAMMAR)
    if (g.keyword == code) return &g;
  return nullptr;
}

bool fits(char kind, int code) {
  switch (kind) {
    case 'i': return code == scanner::NUMBER;
    case 't': return code == scanner::TEXT;
    default: return code == scanner::NAME;
  }
}

const char* kindname(char kind) {
  switch (kind) {
    case 'i': return "a number";
    case 't': return "a |text|";
    case 'c':
    case 'l': return "a colour name";
    case 'w': return "a word";
    case 'n': return "a name";
    default: return "a function name";
  }
}

// The k-th blank-separated word of `names`.
std::string nameat(const char* names, std::size_t k) {
  std::string all = names;
  std::size_t from = 0;
  for (; k > 0; k--) from = all.find(' ', from) + 1;
  return all.substr(from, all.find(' ', from) - from);
}

// A "(" always opens a statement (a palette entry); a statement word does when its
// own "(" follows. A word standing alone among values is a misplaced value.
bool opensstatement(const std::vector<Token>& tokens, std::size_t i) {
  int code = tokens[i].code;
  return code == '(' || (isstatementword(code) && grammarfor(code)->forms[0] != nullptr &&
                         tokens[i + 1].code == '(');
}

bool isvalue(int code) {
  return code == scanner::NUMBER || code == scanner::TEXT || code == scanner::NAME ||
         isstatementword(code);
}

// Past the broken statement's ")", or to the next statement or the end; or, for a
// stray word or token that opens nothing, to the next line.
std::size_t skip(const std::vector<Token>& tokens, std::size_t i, int line = 0) {
  for (; tokens[i].code != 0; i++) {
    if (tokens[i].code == ')') return i + 1;
    if (line > 0 && tokens[i].at.line > line) return i;
    if (opensstatement(tokens, i)) return i;
  }
  return i;
}

class Reader {
 public:
  Reader(const std::vector<Token>& tokens, Diagnostics& found) : tokens_(tokens), found_(found) {}

  std::vector<Statement> readall() {
    std::size_t i = 0;
    while (tokens_[i].code != 0) i = read(i);
    // The library wants at least one statement.
    if (tokens_.size() == 1) found_.error(tokens_[0].at, "the file holds no statement");
    return std::move(statements_);
  }

 private:
  // Reads the statement at i and returns where the next one starts.
  std::size_t read(std::size_t i) {
    const Token& first = tokens_[i];
    const Grammar* g = grammarfor(first.code);
    if (g == nullptr) {
      if (first.code == scanner::NAME) {
        std::string text = "unknown statement '" + first.text + "'";
        std::string near = closest(first.text, statementwords());
        if (!near.empty()) text += "; did you mean '" + near + "'?";
        found_.error(first.at, text);
        // Its values go with it.
        if (tokens_[i + 1].code == '(') return skip(tokens_, i + 2);
        return skip(tokens_, i + 1, first.at.line);
      }
      found_.error(first.at, "expected a statement, found " + describe(first));
      return skip(tokens_, i + 1, first.at.line);
    }
    Statement s{&first, {}, nullptr, -1, &first};
    if (g->forms[0] == nullptr) {
      s.form = 0;
      statements_.push_back(s);
      return i + 1;
    }
    std::string name = statementname(first);
    std::size_t j = i + 1;
    if (first.code != '(') {
      if (tokens_[j].code != '(') {
        found_.error(tokens_[j].at,
                     "expected '(' after " + name + ", found " + describe(tokens_[j]));
        statements_.push_back(s);
        return skip(tokens_, j);
      }
      j++;
    }
    int openedon = tokens_[j - 1].at.line;
    for (; tokens_[j].code != ')'; j++) {
      const Token& t = tokens_[j];
      if (t.code == 0 || opensstatement(tokens_, j)) {
        std::string text = "unclosed ( opened on line " + std::to_string(openedon);
        for (const Token* v : s.values) {
          if (!v->unclosed) continue;
          text += " (the text on line " + std::to_string(v->at.line) + " has no closing bar)";
          break;
        }
        // Where the ")" is missing: just after the statement's last token.
        const Token& before = tokens_[j - 1];
        found_.error({before.at.line, before.at.column + before.length}, text);
        s.last = &before;
        statements_.push_back(s);
        return j;
      }
      if (!isvalue(t.code)) {
        found_.error(t.at, "unexpected " + describe(t) + " in " + name);
        statements_.push_back(s);
        return skip(tokens_, j + 1);
      }
      s.values.push_back(&t);
    }
    s.last = &tokens_[j];
    check(*g, name, s);
    statements_.push_back(s);
    return j + 1;
  }

  // The form of the statement's length, and its values' kinds; one diagnostic at most.
  void check(const Grammar& g, const std::string& name, Statement& s) {
    std::size_t count = s.values.size();
    for (int f = 0; f < 2; f++)
      if (g.forms[f] != nullptr && std::strlen(g.forms[f]) == count) s.form = f;
    if (s.form < 0) {
      std::size_t longest = std::strlen(g.forms[g.forms[1] != nullptr ? 1 : 0]);
      Place at = count > longest ? s.values[longest]->at : s.last->at;
      found_.error(at,
                   name + " takes " + g.takes + " values; this one has " + std::to_string(count));
      return;
    }
    const char* kinds = g.forms[s.form];
    for (std::size_t k = 0; k < count; k++) {
      const Token& t = *s.values[k];
      if (fits(kinds[k], t.code)) continue;
      std::string text = "value " + std::to_string(k + 1) + " of " + name + " (" +
                         nameat(g.names[s.form], k) + ") must be " + kindname(kinds[k]) +
                         "; found " + describe(t);
      if (isstatementword(t.code)) text += ", which cannot be a name";
      found_.error(t.at, text);
      s.form = -1;
      return;
    }
    s.kinds = kinds;
  }

  const std::vector<Token>& tokens_;
  Diagnostics& found_;
  std::vector<Statement> statements_;
};

}  // namespace

const Token* Statement::value(std::size_t k, int code) const {
  return k < values.size() && values[k]->code == code ? values[k] : nullptr;
}

std::vector<Statement> readstatements(const std::vector<Token>& tokens, Diagnostics& found) {
  return Reader(tokens, found).readall();
}

}  // namespace vxtool
