// The reporting mode's words for a statement that fits none of its forms.
#include "model/syntaxreports.h"

#include <string>
#include <utility>
#include <vector>

#include "model/language.h"
#include "model/load.h"
#include "model/reports.h"
#include "model/scanner.h"
#include "model/statements.h"

namespace vx {

namespace {

namespace sc = scanner;

// A token with where it stands and where the scanner was before it, to go back to.
struct Token {
  int code;
  sc::TokenValue value;
  Place at;
  int length;
  bool unclosed;
  sc::Mark before;
  std::size_t start, end;  // its characters in the text
};

Token take() {
  Token t{};
  t.before = sc::mark();
  t.code = sc::next(t.value);
  t.at = sc::tokenplace();
  t.length = sc::tokenlength();
  t.unclosed = sc::tokenunclosed();
  t.start = modelstate.scanner.tokenstart;
  t.end = modelstate.scanner.tokenend;
  return t;
}

// Leaves the token to be read again.
void giveback(const Token& t) { sc::rewind(t.before); }

// Names and texts in a report are cut when they are long.
std::string cut(std::string_view text) {
  constexpr std::size_t LONGEST = 24;
  std::string shown(text.substr(0, LONGEST));
  if (text.size() > LONGEST) shown += "...";
  return shown;
}

const Grammar* grammarof(const Token& t) { return grammarfor(t.code, t.value.number); }

std::string describe(const Token& t) {
  switch (t.code) {
    case 0: return reports::ENDOFFILE;
    case sc::NUMBER: return formatreport(reports::ANUMBER, t.value.number);
    case sc::TEXT:
      if (t.unclosed) return formatreport(reports::AOPENTEXT, cut(t.value.view()).c_str());
      return formatreport(reports::ATEXT, cut(t.value.view()).c_str());
    case sc::NAME: return formatreport(reports::ANAME, cut(t.value.view()).c_str());
    case sc::NULCHAR: return reports::ANUL;
    default: break;
  }
  if (sc::iskeyword(t.code)) return formatreport(reports::AKEYWORD, grammarof(t)->word);
  if (t.code > ' ' && t.code < 0x7f) return formatreport(reports::ACHARACTER, t.code);
  return formatreport(reports::ABYTE, static_cast<unsigned>(t.code));
}

const char* kindwords(char k) {
  switch (k) {
    case kind::NUMBER: return "a number";
    case kind::TEXT: return "a |text|";
    case kind::COLOR:
    case kind::LISTCOLOR: return "a colour name";
    case kind::WORD: return "a word";
    case kind::NAME: return "a name";
    default: return "a function name";
  }
}

// A "(" always opens a statement (a palette entry); a statement word does when its
// own "(" follows. A word standing alone among values is a misplaced value.
bool opens(const Token& t) {
  if (t.code == '(') return true;
  const Grammar* g = grammarof(t);
  if (!sc::iskeyword(t.code) || g == nullptr || !g->takesvalues()) return false;
  Token after = take();
  giveback(after);
  return after.code == '(';
}

bool isvalue(int code) {
  return code == sc::NUMBER || code == sc::TEXT || code == sc::NAME || sc::iskeyword(code);
}

// A number and the word right after it, with no blank between ("4x4", "12px"), which
// the scanner reads as two values; a number or word right after those goes with them.
constexpr int GLUED = -1;

// Past a ")", or up to the next statement or the end; with a line, also up to the
// first token on a later line.
void skip(int line = 0) {
  for (;;) {
    Token t = take();
    if (t.code == ')') return;
    if (t.code == 0 || (line > 0 && t.at.line > line) || opens(t)) {
      giveback(t);
      return;
    }
  }
}

class Explainer {
 public:
  void explain() {
    read();
    if (grammar_ != nullptr) recover();
  }

 private:
  void read() {
    Token first = take();
    start_ = first.at;
    origin_ = sc::tokenorigin();
    grammar_ = grammarof(first);
    if (grammar_ == nullptr) {
      stray(first);
      return;
    }
    name_ = grammar_->name();
    Token open = first;
    if (first.code != '(') {
      open = take();
      if (open.code != '(') {
        report(open.at, formatreport(reports::NOPARENTHESIS, name_, describe(open).c_str()),
               reports::NOPARENTHESIS);
        giveback(open);
        skip();
        return;
      }
    }
    Token last = open;
    for (;;) {
      Token t = take();
      if (t.code == ')') {
        check(t);
        return;
      }
      if (t.code == 0 || opens(t)) {
        unclosed(open, last);
        giveback(t);
        return;
      }
      if (!isvalue(t.code)) {
        report(t.at, formatreport(reports::UNEXPECTED, describe(t).c_str(), name_),
               reports::UNEXPECTED);
        skip();
        return;
      }
      values_.push_back({t.code, t.value.number, t.value.view(), t.at, t.unclosed});
      spans_.push_back({t.start, t.end});
      last = t;
    }
  }

  // A palette entry or alias that fits none of its forms still names its colour, so that
  // its uses are not reported again: it is recorded as the shorter form with what it
  // has, components 0, and acts as such.
  void recover() {
    auto named = [&](std::size_t k) { return values_.size() > k && values_[k].token == sc::NAME; };
    bool entry = grammar_->token == '(' && named(0);
    if (!entry && !(grammar_->token == sc::ALIAS && named(0) && named(1))) return;
    LoadState& l = loading();
    RecordedStatement r{grammar_, static_cast<std::uint32_t>(l.values.size()), 0, 0, 0, 0};
    for (const Form& f = grammar_->forms[0]; r.count < f.count(); r.count++) {
      const ReadValue& v = values_[entry && r.count > 0 ? 0 : r.count];
      l.values.push_back({v.text.data(), static_cast<std::uint32_t>(v.text.size()), 0});
    }
    l.statements.push_back(r);
    l.starts.push_back(origin_);
  }

  // A first token that begins no statement: its values, if any, go with it.
  void stray(const Token& first) {
    if (first.code != sc::NAME) {
      syntaxreport(first.at, reports::NOTASTATEMENT,
                   formatreport(reports::NOTASTATEMENT, describe(first).c_str()), nullptr);
      skip(first.at.line);
      return;
    }
    std::string word(first.value.view());
    syntaxreport(first.at, reports::UNKNOWNSTATEMENT,
                 formatreport(reports::UNKNOWNSTATEMENT, word.c_str()), nullptr,
                 first.value.view());
    Token after = take();
    if (after.code == '(') {
      skip();
    } else {
      giveback(after);
      skip(first.at.line);
    }
  }

  // Where the ")" is missing: just after the statement's last token.
  void unclosed(const Token& open, const Token& last) {
    Place at{last.at.line, last.at.column + last.length};
    for (const ReadValue& v : values_) {
      if (!v.unclosed) continue;
      report(at, formatreport(reports::UNCLOSEDTEXT, open.at.line, v.at.line), reports::UNCLOSED);
      return;
    }
    report(at, formatreport(reports::UNCLOSED, open.at.line), reports::UNCLOSED);
  }

  // The values as one who wrote them meant them: each number with the words written
  // right after it taken as one value; run[k] is the value that the k-th read is part of.
  std::vector<ReadValue> glue(std::vector<std::size_t>& run) const {
    std::vector<ReadValue> glued;
    for (std::size_t k = 0; k < values_.size(); k++) {
      const ReadValue& v = values_[k];
      bool joins = k > 0 && spans_[k].first == spans_[k - 1].second &&
                   (v.token == sc::NAME || v.token == sc::NUMBER || sc::iskeyword(v.token)) &&
                   (glued.back().token == GLUED ||
                    (values_[k - 1].token == sc::NUMBER && v.token != sc::NUMBER));
      if (joins) {
        ReadValue& g = glued.back();
        g.token = GLUED;
        g.text = {modelstate.scanner.input + spans_[run[k - 1]].first,
                  spans_[k].second - spans_[run[k - 1]].first};
        run.push_back(run[k - 1]);
      } else {
        glued.push_back(v);
        run.push_back(k);
      }
    }
    return glued;
  }

  const Form* formof(std::size_t count) const {
    const Form* form = nullptr;
    for (const Form& f : grammar_->forms)
      if (f.kinds != nullptr && static_cast<std::size_t>(f.count()) == count) form = &f;
    return form;
  }

  // The form of the statement's length, and its values' kinds. A value that a number
  // glued to a word breaks in two is reported as that one value.
  void check(const Token& close) {
    std::vector<std::size_t> run;
    std::vector<ReadValue> glued = glue(run);
    const Form* form = formof(values_.size());
    bool asglued = form == nullptr && glued.size() < values_.size();
    if (asglued) form = formof(glued.size());
    int count = static_cast<int>(values_.size());
    if (form == nullptr) {
      const Form& longest = grammar_->forms[grammar_->forms[1].kinds != nullptr ? 1 : 0];
      std::string takes = std::to_string(grammar_->forms[0].count());
      if (&longest != &grammar_->forms[0]) takes += " or " + std::to_string(longest.count());
      Place at = count > longest.count() ? values_[static_cast<std::size_t>(longest.count())].at
                                         : close.at;
      report(at, formatreport(reports::VALUECOUNT, name_, takes.c_str(), count),
             reports::VALUECOUNT);
      return;
    }
    const std::vector<ReadValue>& values = asglued ? glued : values_;
    for (std::size_t k = 0; k < values.size(); k++) {
      const ReadValue& v = values[k];
      if (tokenof(form->kinds[k]) == v.token) continue;
      const char* must = kindwords(form->kinds[k]);
      if (const ReadValue& g = asglued ? v : glued[run[k]]; g.token == GLUED) {
        report(g.at, formatreport(reports::GLUEDVALUE, must, cut(g.text).c_str()),
               reports::GLUEDVALUE);
        return;
      }
      Token shown{v.token, {v.number, v.text.data(), v.text.size()}, v.at, 0, v.unclosed, {}, 0, 0};
      std::string valuename(form->name(static_cast<int>(k)));
      int number = static_cast<int>(k) + 1;
      if (sc::iskeyword(v.token))
        report(v.at,
               formatreport(reports::KEYWORDVALUE, number, name_, valuename.c_str(), must,
                            describe(shown).c_str()),
               reports::KEYWORDVALUE);
      else
        report(v.at,
               formatreport(reports::VALUEKIND, number, name_, valuename.c_str(), must,
                            describe(shown).c_str()),
               reports::VALUEKIND);
      return;
    }
    // Nothing found after all: the parser's own words.
    report(start_, reports::PARSEERROR, reports::PARSEERROR);
  }

  // Reports once, and shows the sink the statement as broken.
  void report(Place at, const std::string& text, const char* format) {
    syntaxreport(at, format, text, grammar_);
    loading().sink->statement(
        {grammar_, -1, start_, values_.data(), static_cast<int>(values_.size())});
  }

  const Grammar* grammar_ = nullptr;
  const char* name_ = "";
  Place start_;
  StatementStart origin_{};
  std::vector<ReadValue> values_;
  std::vector<std::pair<std::size_t, std::size_t>> spans_;  // each value's characters
};

}  // namespace

void explainstatement() { Explainer().explain(); }

void syntaxreport(Place at, const char* format, std::string_view text, const Grammar* statement,
                  std::string_view subject) {
  loading().sink->report({true, loading().file, at, text, format, subject, nullptr, statement});
}

}  // namespace vx
