// What the library refuses in a description file besides its syntax.
#include "rules.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "libraryreport.h"
#include "model/colors.h"
#include "model/getname.h"
#include "model/model.h"
#include "model/scanner.h"
#include "render/platform/platform.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

// The library's texts for reports made in the middle of a statement's action, where
// the tool cannot ask for them; byte for byte, line ends aside.
constexpr char TOOMANYWINDOWS[] = "Too many windows declared in interface file";
constexpr char TOOMANYPOPUPS[] = "Too many popup menus declared in interface file";
constexpr char NOPOPUP[] = "plabel before the first popup statement";
constexpr char OLDPALETTE[] =
    "This interface file uses an old palette entry syntax. You can no longer set the index of a "
    "palette entry in the interface file. Please contact Project Varnex about this problem.";
constexpr char BADSTORE[] = "Error:  can't have bstore # ";
constexpr char NOSTORE[] = "Error:  cannot initialize backing store ";
constexpr int NSTORES = 5;

// What the library's look-up wants of a record.
struct Named {
  const char* name;
};

class Checker {
 public:
  Checker(const Rules& rules, Diagnostics& found) : rules_(rules), found_(found) {}

  void run(const std::vector<Statement>& statements) {
    for (const Statement& s : statements)
      if (s.keyword() == scanner::POPUP && s.value(0, scanner::NAME) != nullptr)
        allpopups_.push_back(s.values[0]->text);
    vx::setcolorcount(rules_.colors);
    vx::installbuiltincolors();
    for (const Statement& s : statements) statement(s);
    if (firstpopup_ != nullptr && lookup(windows_, "root") < 0) {
      std::string text = fatalreport([&] { lookup(windows_, "root", "window"); });
      found_.error(firstpopup_->word->at, oneline(text) + " (popups open over it)");
    }
    createstores();
  }

 private:
  static int lookup(const std::vector<Named>& table, const char* name, const char* kind = nullptr) {
    return vx::getname(table.data(), static_cast<int>(table.size()), name, kind);
  }

  void statement(const Statement& s) {
    // Colours are looked up as they are read, before the statement acts.
    if (s.kinds != nullptr)
      for (std::size_t k = 0; s.kinds[k] != '\0'; k++)
        if (s.kinds[k] == 'c') colour(*s.values[k]);
    switch (s.keyword()) {
      case '(': paletteentry(s); break;
      case scanner::ALIAS: alias(s); break;
      case scanner::COLORLIST: colorlist(s); break;
      case scanner::WINDOW: window(s); break;
      case scanner::POPUP: popup(s); break;
      case scanner::PLABEL:
        if (popups_.empty()) found_.error(s.word->at, NOPOPUP);
        break;
      case scanner::BUTTON:
        inwindow(s, "line");
        opens(s);
        break;
      case scanner::DRAGAREA:
      case scanner::LINE: inwindow(s, "line"); break;
      case scanner::LABEL: inwindow(s, "label"); break;
      case scanner::RECT: inwindow(s, ""); break;
      default: break;
    }
  }

  bool colour(const Token& t) {
    vx::Color index = 0;
    if (vx::findcolor(t.text.c_str(), &index)) return true;
    std::string text = oneline(fatalreport([&] { vx::convertcolor(t.text.c_str()); }));
    // An alias that names no palette colour fails where it is used, but the mistake is
    // the alias's: reported there, once.
    for (std::size_t a = 0; a < aliases_.size(); a++) {
      if (!vx::samename(vx::aliasname(static_cast<int>(a)), t.text.c_str())) continue;
      if (badaliases_.insert(a).second) badalias(*aliases_[a], text, t.at.line);
      return false;
    }
    std::vector<std::string> known;
    for (int i = 0; i < vx::palettenamecount(); i++) known.emplace_back(vx::palettename(i));
    for (int i = 0; i < vx::aliascount(); i++) known.emplace_back(vx::aliasname(i));
    std::string near = closest(t.text, known);
    if (!near.empty()) text += " (did you mean '" + near + "'?)";
    found_.error(t.at, text);
    return false;
  }

  void paletteentry(const Statement& s) {
    const Token* name = s.value(0, scanner::NAME);
    if (s.broken()) {
      // Its colour is still known, so that its uses do not add to the report.
      if (name != nullptr) fatalreport([&] { vx::addpaletteentry(name->text.c_str(), 0, 0, 0); });
      return;
    }
    if (s.form == 1) {
      found_.error(s.word->at, OLDPALETTE);
      return;
    }
    std::string text = fatalreport([&] {
      vx::addpaletteentry(name->text.c_str(), s.values[1]->number, s.values[2]->number,
                          s.values[3]->number);
    });
    if (!text.empty()) found_.error(name->at, oneline(text));
  }

  void alias(const Statement& s) {
    const Token* name = s.value(0, scanner::NAME);
    const Token* colour = s.value(1, scanner::NAME);
    if (name == nullptr || colour == nullptr) return;
    std::string text = fatalreport([&] { vx::addalias(name->text.c_str(), colour->text.c_str()); });
    if (text.empty()) aliases_.push_back(colour);
    if (!text.empty() && !s.broken()) found_.error(s.word->at, oneline(text));
  }

  // The library looks an alias's colour up among the palette's names only.
  void badalias(const Token& target, std::string text, int line) {
    text += " (used on line " + std::to_string(line) + "): ";
    bool alias = false;
    for (int a = 0; a < vx::aliascount(); a++)
      alias = alias || vx::samename(vx::aliasname(a), target.text.c_str());
    if (alias) {
      text += "'" + target.text + "' is an alias, and an alias must name a colour, not another";
    } else {
      std::vector<std::string> known;
      for (int i = 0; i < vx::palettenamecount(); i++) known.emplace_back(vx::palettename(i));
      std::string near = closest(target.text, known);
      text += "'" + target.text + "' is not a colour";
      if (!near.empty()) text += " (did you mean '" + near + "'?)";
    }
    found_.error(target.at, text);
  }

  void colorlist(const Statement& s) {
    if (s.broken()) return;
    const char* names[vx::COLORLISTSIZE];
    for (int i = 0; i < vx::COLORLISTSIZE; i++) names[i] = s.values[std::size_t(i)]->text.c_str();
    // A full set of lists is refused before any of its colours is looked up.
    if (vx::colorlistcount() < vx::MAXCOLORLISTS) {
      bool known = true;
      for (const Token* t : s.values) known = colour(*t) && known;
      if (!known) return;
    }
    std::string text = fatalreport([&] { vx::addcolorlist(names); });
    if (!text.empty()) found_.error(s.word->at, oneline(text));
  }

  void window(const Statement& s) {
    if (windows_.size() == std::size_t{vx::MAXWINDOWS}) found_.error(s.word->at, TOOMANYWINDOWS);
    const Token* name = s.value(0, scanner::NAME);
    windows_.push_back({name != nullptr ? name->text.c_str() : ""});
    if (s.broken() || !rules_.bstore) return;
    // Start-up sizes the stores of the windows that name one.
    const Token& store = *s.values[10];
    if (store.number == 0) return;
    if (store.number < 1 || store.number > NSTORES) {
      found_.error(store.at,
                   BADSTORE + std::to_string(store.number) + " (stores are 1 to 5, or 0 for none)");
      return;
    }
    // Each store is as wide and as high as the widest and highest window naming it.
    Store& sized = stores_[std::size_t(store.number - 1)];
    if (s.values[3]->number > sized.width || s.values[4]->number > sized.height) sized.last = &s;
    sized.width = std::max(sized.width, s.values[3]->number);
    sized.height = std::max(sized.height, s.values[4]->number);
  }

  // Start-up creates the stores; the platform says whether it can.
  void createstores() {
    for (int k = 1; k <= NSTORES; k++) {
      const Store& store = stores_[std::size_t(k - 1)];
      if (store.last == nullptr) continue;
      bool made = VXPcreatestore(k, store.width, store.height) != 0;
      VXPcreatestore(k, 0, 0);
      if (!made)
        found_.error(store.last->values[10]->at, NOSTORE + std::to_string(k) +
                                                     ".  Out of memory. (" +
                                                     std::to_string(store.width) + " x " +
                                                     std::to_string(store.height) + " pixels)");
    }
  }

  void popup(const Statement& s) {
    if (popups_.size() == std::size_t{vx::MAXPOPUPS}) found_.error(s.word->at, TOOMANYPOPUPS);
    const Token* name = s.value(0, scanner::NAME);
    popups_.push_back({name != nullptr ? name->text.c_str() : ""});
    if (firstpopup_ == nullptr) firstpopup_ = &s;
  }

  // Buttons, drag areas and graphics belong to the last window; the library's report
  // names one of them, or none.
  void inwindow(const Statement& s, const char* named) {
    if (windows_.empty())
      found_.error(s.word->at, std::string("No active window for ") + named + ". (" +
                                   statementname(*s.word) + " before the first window)");
  }

  // "@name" opens the popup of that name, which must stand earlier in the file.
  void opens(const Statement& s) {
    if (s.broken() || s.values[9]->text[0] != '@') return;
    const Token& function = *s.values[9];
    const char* popup = function.text.c_str() + 1;
    if (lookup(popups_, popup) >= 0) return;
    std::string text = oneline(fatalreport([&] { lookup(popups_, popup, "popup"); }));
    for (const std::string& later : allpopups_)
      if (vx::samename(later.c_str(), popup)) {
        text += " (it must stand before the button that opens it)";
        break;
      }
    found_.error(function.at, text);
  }

  const Rules& rules_;
  Diagnostics& found_;
  std::vector<Named> windows_;
  std::vector<Named> popups_;
  std::vector<std::string> allpopups_;
  std::vector<const Token*> aliases_;  // each alias's colour, in the library's order
  std::set<std::size_t> badaliases_;   // those reported
  const Statement* firstpopup_ = nullptr;
  struct Store {
    int width = 0, height = 0;
    const Statement* last = nullptr;  // the window that made it as large as it is
  };
  std::array<Store, NSTORES> stores_{};
};

}  // namespace

void checkrules(const std::vector<Statement>& statements, const Rules& rules, Diagnostics& found) {
  Checker(rules, found).run(statements);
}

}  // namespace vxtool
