// The grammar of the description file.
//
// Every statement is a keyword (or, for a palette entry, just the opening
// parenthesis) followed by a fixed sequence of values in parentheses; a few statements
// have a second, longer form. The parser follows all forms of the statement at once, so
// a token that fits none of them is caught where it stands. Each statement is recorded
// as it is read, so the text is scanned once and the filling pass reads the record.
#include "model/parser.h"

#include "model/language.h"
#include "model/load.h"
#include "model/reports.h"
#include "model/scanner.h"
#include "model/statements.h"
#include "model/syntaxreports.h"

namespace vx {

namespace {

using scanner::TokenValue;

// The longest form has 14 values.
constexpr int MAXVALUES = 14;

// Reads the values of `g`, the statement word already read, into the record; false at
// the first token that fits no form.
bool readvalues(const Grammar& g, LoadState& l, RecordedStatement& r) {
  TokenValue token;
  if (g.token != '(' && scanner::next(token) != '(') return false;
  const char* shorter = g.forms[0].kinds;
  const char* longer = g.forms[1].kinds;
  bool alive[2] = {true, longer != nullptr};
  for (int n = 0;; n++) {
    int code = scanner::next(token);
    if (code == ')') {
      if (alive[0] && shorter[n] == '\0') return true;
      r.form = 1;
      return alive[1] && longer[n] == '\0';
    }
    alive[0] = alive[0] && shorter[n] != '\0' && tokenof(shorter[n]) == code;
    alive[1] = alive[1] && longer[n] != '\0' && tokenof(longer[n]) == code;
    if (!alive[0] && !alive[1]) return false;
    l.values.push_back({token.text, static_cast<std::uint32_t>(token.length), token.number});
    if (l.sink != nullptr)
      l.written.push_back(
          {code, token.number, token.view(), scanner::tokenplace(), scanner::tokenunclosed()});
    r.count++;
  }
}

// In an application: the report of the line, at the token that fits no form.
[[noreturn]] void parseerror(LoadState& l) {
  l.failedat = modelstate.scanner.tokenstart;
  l.failedmessage = reports::PARSEERROR;
  scanner::erroronline(reports::PARSEERROR);
}

// Forgets the statements and values recorded from `statement` on.
void droprecord(LoadState& l, std::size_t statements, std::uint32_t values) {
  l.statements.resize(statements);
  l.values.resize(values);
  if (l.sink != nullptr) l.starts.resize(statements);
}

// In the counting pass a statement's action only counts.
void count(LoadState& l) {
  Statement s{Pass::COUNTING, nullptr, l.statements.back().form,
              l.statements.back().grammar->variant};
  l.acting = l.statements.size() - 1;
  try {
    l.statements.back().grammar->action(s);
  } catch (const Abandoned&) {
    droprecord(l, l.statements.size() - 1, l.statements.back().first);
  }
}

// In the filling pass colours and functions are resolved before the statement acts.
void resolve(char k, int at, Value& value) {
  switch (k) {
    case kind::COLOR: colorat(at, value.text, &value.color); break;
    case kind::NAMEFUNC:
    case kind::DRAGFUNC:
    case kind::PLAINFUNC:
    case kind::REDRAWFUNC:
      value.entry = functionat(at, value.text, callbackform(k), k == kind::REDRAWFUNC);
      break;
    default: break;
  }
}

}  // namespace

void readstatements() {
  LoadState& l = loading();
  bool reporting = l.sink != nullptr;
  bool any = false;
  scanner::Mark before = scanner::mark();
  TokenValue token;
  for (int code; (code = scanner::next(token)) != 0; before = scanner::mark()) {
    any = true;
    const Grammar* g = grammarfor(code, token.number);
    RecordedStatement r{g, static_cast<std::uint32_t>(l.values.size()), 0, 0, 0, 0};
    r.start = modelstate.scanner.tokenstart;
    if (reporting) {
      l.starts.push_back(scanner::tokenorigin());
      l.written.clear();
    }
    if (g == nullptr || (g->takesvalues() && !readvalues(*g, l, r))) {
      if (!reporting) parseerror(l);
      droprecord(l, l.statements.size(), r.first);
      scanner::rewind(before);
      explainstatement();
      continue;
    }
    r.line = modelstate.scanner.line;
    r.linestart = modelstate.scanner.linestart;
    l.statements.push_back(r);
    if (reporting)
      l.sink->statement({g, r.form, scanner::placefrom(l.starts.back(), l.starts.back().offset),
                         l.written.data(), r.count});
    count(l);
  }
  if (!any) {
    if (!reporting) parseerror(l);
    syntaxreport(scanner::endplace(), reports::NOSTATEMENT, reports::NOSTATEMENT, nullptr);
  }
}

void fillstatements() {
  LoadState& l = loading();
  Value values[MAXVALUES];
  for (std::size_t i = 0; i < l.statements.size(); i++) {
    const RecordedStatement& r = l.statements[i];
    l.acting = i;
    const char* kinds = r.grammar->forms[r.form].kinds;
    try {
      for (int k = 0; k < r.count; k++) {
        const ValueToken& v = l.values[r.first + static_cast<std::uint32_t>(k)];
        values[k] = {{v.text, v.length}, nullptr, v.number, 0};
        resolve(kinds[k], k, values[k]);
      }
      Statement s{Pass::FILLING, values, r.form, r.grammar->variant};
      r.grammar->action(s);
    } catch (const Abandoned&) {
    }
  }
}

}  // namespace vx
