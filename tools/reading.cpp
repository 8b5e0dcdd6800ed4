// A description file as the library's loader reads it in its reporting mode.
#include "reading.h"

#include <algorithm>

#include "model/colors.h"
#include "model/getname.h"
#include "model/language.h"
#include "model/model.h"
#include "model/reports.h"
#include "model/scanner.h"
#include "render/platform/platform.h"
#include "render/stores.h"

namespace vxtool {

namespace {

namespace reports = vx::reports;
namespace sc = vx::scanner;

bool issyntax(const char* format) {
  for (const char* syntax :
       {reports::UNKNOWNSTATEMENT, reports::NOTASTATEMENT, reports::NOPARENTHESIS,
        reports::UNCLOSED, reports::UNEXPECTED, reports::VALUECOUNT, reports::VALUEKIND,
        reports::KEYWORDVALUE, reports::GLUEDVALUE, reports::NOSTATEMENT, reports::PARSEERROR})
    if (format == syntax) return true;
  return false;
}

std::vector<std::string> statementwords() {
  std::vector<std::string> words;
  for (const vx::Grammar& g : vx::language())
    if (g.word != nullptr) words.emplace_back(g.word);
  return words;
}

std::vector<std::string> palettenames() {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(vx::palettenamecount()));
  for (int i = 0; i < vx::palettenamecount(); i++) names.emplace_back(vx::palettename(i));
  return names;
}

std::string didyoumean(std::string_view word, const std::vector<std::string>& known,
                       const char* before, const char* after) {
  std::string near = closest(word, known);
  if (near.empty()) return {};
  return std::string(before).append("did you mean '").append(near).append("'?").append(after);
}

}  // namespace

void Reading::report(const vx::LoadReport& r) {
  if (!r.error) {
    if (keep_ == Keep::CHECK) found_.warning(r.at, oneline(r.text));
    return;
  }
  if (keep_ == Keep::STUBS && !issyntax(r.format) && r.format != reports::WRONGFORM) return;
  std::string text = oneline(r.text);
  if (r.format == reports::UNKNOWNSTATEMENT) {
    text += didyoumean(r.subject, statementwords(), "; ", "");
  } else if (r.format == reports::COLORNOTFOUND) {
    colornotfound(r, text);
    return;
  } else if (r.format == reports::NOTFOUND && r.kind != nullptr &&
             std::string_view(r.kind) == "popup") {
    if (popups_.contains(folded(r.subject)))
      text += " (it must stand before the button that opens it)";
  } else if (r.format == reports::WRONGFORM) {
    if (const Callback* first = callbacks_.find(r.subject))
      text += std::string(" (line ")
                  .append(std::to_string(first->uses[0].line))
                  .append(first->form == VXFORM_EVENT ? " uses it as an " : " uses it as a ")
                  .append(formword(first->form))
                  .append(" callback)");
  } else if (r.format == reports::NOWINDOW && r.statement != nullptr) {
    text += std::string(" (").append(r.statement->name()).append(" before the first window)");
  }
  found_.error(r.at, text);
}

// An alias that names no palette colour fails where it is used, but the mistake is the
// alias's: reported there, once, with the line that uses it.
void Reading::colornotfound(const vx::LoadReport& r, std::string text) {
  bool alias = false;
  for (int a = 0; a < vx::aliascount() && !alias; a++)
    alias = vx::samename(vx::aliasname(a), r.subject);
  auto defined = aliases_.find(folded(r.subject));
  if (!alias || defined == aliases_.end()) {
    std::vector<std::string> known = palettenames();
    for (int a = 0; a < vx::aliascount(); a++) known.emplace_back(vx::aliasname(a));
    found_.error(r.at, text + didyoumean(r.subject, known, " (", ")"));
    return;
  }
  if (!badaliases_.insert(defined->first).second) return;
  const std::string& color = defined->second.color;
  text += " (used on line " + std::to_string(r.at.line) + "): ";
  bool chain = false;
  for (int a = 0; a < vx::aliascount() && !chain; a++)
    chain = vx::samename(vx::aliasname(a), color);
  if (chain) {
    text += "'" + color + "' is an alias, and an alias must name a colour, not another";
  } else {
    text += "'" + color + "' is not a colour";
    text += didyoumean(color, palettenames(), " (", ")");
  }
  found_.error(defined->second.at, text);
}

void Reading::statement(const vx::ReadStatement& s) {
  int token = s.grammar->token;
  if (token == sc::POPUP) {
    if (firstpopup_.line == 0) firstpopup_ = s.at;
    if (s.count > 0 && s.values[0].token == sc::NAME) popups_.insert(folded(s.values[0].text));
  }
  if (keep_ == Keep::CHECK) linter_.statement(s);
  if (s.form < 0) return;
  callbacks_.add(s);
  if (token == sc::WINDOW) stores_.push_back(s.values[10].at);
  if (token == sc::ALIAS)
    aliases_.try_emplace(folded(s.values[0].text),
                         Alias{std::string(s.values[1].text), s.values[1].at});
}

void Reading::finish(bool bstore) {
  if (keep_ != Keep::CHECK) return;
  linter_.finish();
  if (bstore) stores();
  using vx::model;
  if (firstpopup_.line != 0 && vx::getname(model.Win, model.nwindows, "root") < 0)
    found_.error(firstpopup_, oneline(formatted(reports::NOTFOUND, "window", "root")) +
                                  " (popups open over it)");
}

// Start-up sizes the stores of the windows that name one, and creates them; the
// platform says whether it can.
void Reading::stores() {
  using vx::model;
  bool numbered = true;
  for (int w = 0; w < model.nwindows; w++) {
    int store = model.Win[w].bstore;
    if (store >= 0 && store <= vx::NSTORES) continue;
    found_.error(stores_[static_cast<std::size_t>(w)],
                 formatted(reports::STORENUMBER, store) + " (stores are 1 to 5, or 0 for none)");
    numbered = false;
  }
  if (!numbered) return;
  auto sizes = vx::storesizes(BSTORE);
  for (int k = 1; k <= vx::NSTORES; k++) {
    const vx::StoreSize& size = sizes[static_cast<std::size_t>(k)];
    bool made = VXPcreatestore(k, size.width, size.height) != 0;
    VXPcreatestore(k, 0, 0);
    if (made) continue;
    // Where the window stands that made the store as large as it is.
    Place at = firstpopup_;
    int width = 0, height = 0;
    for (int w = 0; w < model.nwindows; w++) {
      const vx::Window& win = model.Win[w];
      if (win.bstore != k || (win.width <= width && win.height <= height)) continue;
      at = stores_[static_cast<std::size_t>(w)];
      width = std::max(width, win.width);
      height = std::max(height, win.height);
    }
    found_.error(at, oneline(formatted(reports::STORECREATE, k)) + " (" +
                         std::to_string(size.width) + " x " + std::to_string(size.height) +
                         " pixels)");
  }
}

}  // namespace vxtool
