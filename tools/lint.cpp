// Warnings about what loads but does not work or show as meant.
#include "lint.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "model/labelescapes.h"
#include "model/scanner.h"
#include "render/popups.h"
#include "vx.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

constexpr long long SCREENWIDTH = 640, SCREENHEIGHT = 480;
// VXgetlastaction keeps 80 characters of a window's, popup's, button's or drag area's
// name; a button draws 83 of the first line of a two-line label.
constexpr std::size_t KEPTNAME = 80;
constexpr std::size_t KEPTLINE = 83;

std::string str(long long n) { return std::to_string(n); }

std::string box(long long left, long long top, long long width, long long height) {
  return "at (" + str(left) + ", " + str(top) + "), " + str(width) + " x " + str(height) + ",";
}

int textwidth(const std::string& text, int font) {
  VXsetfont(font);
  return VXtextwidth(text.c_str());
}

// The names already in one of the model's tables, where the look-up finds the first,
// by their folded name.
struct Entry {
  const char* kind;
  int line;
};
using Table = std::unordered_map<std::string, Entry>;

class Linter {
 public:
  explicit Linter(Diagnostics& found) : found_(found) {}

  void run(const std::vector<Statement>& statements) {
    for (const Statement& s : statements) {
      if (s.broken()) {
        // What follows a broken window or popup belongs to nothing that can be measured.
        if (s.keyword() == scanner::WINDOW) window_ = nullptr;
        if (s.keyword() == scanner::POPUP) endpopup(nullptr);
        continue;
      }
      for (const Token* v : s.values)
        if (v->unclosed)
          warn(v->at, "text without its closing bar runs to the end of the line", "unclosed-text");
      statement(s);
    }
    endpopup(nullptr);
  }

 private:
  void warn(Place at, const std::string& text, const char* lint) { found_.warning(at, text, lint); }

  void statement(const Statement& s) {
    const std::vector<const Token*>& v = s.values;
    switch (s.keyword()) {
      case '(': components(s); break;
      case scanner::ALIAS: unique(aliases_, *v[0], "alias"); break;
      case scanner::FUNCTION: unique(functions_, *v[0], "function"); break;
      case scanner::MSG: unique(messages_, *v[0], "message"); break;
      case scanner::FIELD:
        unique(fields_, *v[0], "field");
        sized("field", *v[0], *v[3], *v[4]);
        break;
      case scanner::WINDOW: window(s); break;
      case scanner::POPUP:
        endpopup(&s);
        unique(popups_, *v[0], "popup");
        kept(*v[0], "popup");
        break;
      case scanner::PLABEL: item(s); break;
      case scanner::BUTTON:
      case scanner::DRAGAREA: button(s); break;
      case scanner::LABEL: label(s); break;
      case scanner::RECT: rect(s); break;
      case scanner::LINE: line(s); break;
      default: break;
    }
  }

  void unique(Table& table, const Token& name, const char* kind) {
    auto [at, added] = table.try_emplace(folded(name.text), Entry{kind, name.at.line});
    if (added) return;
    warn(name.at,
         std::string(kind) + " " + quoted(name.text) + " has the same name as the " +
             at->second.kind + " on line " + str(at->second.line) +
             "; only the first is ever found",
         "duplicate");
  }

  bool sized(const char* kind, const Token& name, const Token& width, const Token& height) {
    if (width.number > 0 && height.number > 0) return true;
    warn(width.at,
         std::string(kind) + " " + quoted(name.text) +
             " has zero or negative size: " + str(width.number) + " x " + str(height.number),
         "size");
    return false;
  }

  void kept(const Token& name, const char* kind) {
    if (name.text.size() <= KEPTNAME) return;
    warn(name.at,
         std::string(kind) + " name of " + str(static_cast<long long>(name.text.size())) +
             " characters; VXgetlastaction keeps only the first " + str(KEPTNAME),
         "name-length");
  }

  // Whether a box relative to the current window lies inside it.
  bool inwindow(long long left, long long top, long long right, long long bottom) const {
    return left >= 0 && top >= 0 && right <= window_->values[3]->number &&
           bottom <= window_->values[4]->number;
  }

  std::string pastwindow() const {
    return " reaches past its window " + quoted(window_->values[0]->text) + ", " +
           str(window_->values[3]->number) + " x " + str(window_->values[4]->number);
  }

  void components(const Statement& s) {
    static const char* const NAMES[] = {"red", "green", "blue"};
    if (s.form != 0) return;
    for (std::size_t k = 1; k <= 3; k++) {
      const Token& c = *s.values[k];
      if (c.number >= 0 && c.number <= 63) continue;
      warn(c.at,
           std::string(NAMES[k - 1]) + " of " + quoted(s.values[0]->text) + " is " + str(c.number) +
               "; components are 0 to 63, and the screen shows it as " + str(c.number & 63),
           "component");
    }
  }

  void window(const Statement& s) {
    const std::vector<const Token*>& v = s.values;
    unique(windows_, *v[0], "window");
    kept(*v[0], "window");
    window_ = &s;
    buttons_.clear();
    if (!sized("window", *v[0], *v[3], *v[4])) return;
    long long left = v[1]->number, top = v[2]->number;
    if (left < 0 || top < 0 || left + v[3]->number > SCREENWIDTH ||
        top + v[4]->number > SCREENHEIGHT)
      warn(v[1]->at,
           "window " + quoted(v[0]->text) + " " + box(left, top, v[3]->number, v[4]->number) +
               " reaches past the 640 x 480 screen",
           "outside");
  }

  void button(const Statement& s) {
    if (window_ == nullptr) return;
    const std::vector<const Token*>& v = s.values;
    bool drag = s.keyword() == scanner::DRAGAREA;
    const char* kind = drag ? "drag area" : "button";
    std::size_t at = drag ? 1 : 2;  // left, top, width, height from here
    unique(buttons_, *v[0], kind);
    kept(*v[0], kind);
    if (!sized(kind, *v[0], *v[at + 2], *v[at + 3])) return;
    long long left = v[at]->number, top = v[at + 1]->number;
    long long width = v[at + 2]->number, height = v[at + 3]->number;
    if (!inwindow(left, top, left + width, top + height))
      warn(v[at]->at,
           std::string(kind) + " " + quoted(v[0]->text) + " " + box(left, top, width, height) +
               pastwindow(),
           "outside");
    if (!drag) labelwidth(s, width);
  }

  // The label as the button draws it: escapes taken out, "@" breaking it in two.
  void labelwidth(const Statement& s, long long width) {
    const Token& text = *s.values[1];
    std::string label = text.text;
    int arrow = vx::removeescapes(label.data());
    label.resize(std::strlen(label.c_str()));
    if (label == "@@") return;
    int font = s.word->number == 1 ? VXFONTBOLD : VXFONTNORMAL;
    std::size_t at = label.find('@');
    std::string first = label.substr(0, at);
    if (first.size() > KEPTLINE)
      warn(text.at,
           "the label's first line has " + str(static_cast<long long>(first.size())) +
               " characters; only the first " + str(KEPTLINE) + " are drawn",
           "name-length");
    int wide = textwidth(first.substr(0, KEPTLINE), font);
    if (at != std::string::npos) wide = std::max(wide, textwidth(label.substr(at + 1), font));
    // The arrow takes the button's width less 8, 4 pixels after the text.
    long long need = wide + (arrow != 0 ? width - 4 : 0);
    char justify = s.values[13]->text[0];
    long long room = justify == 'L' ? width - 5 : justify == 'R' ? width - 6 : width;
    if (need <= room) return;
    std::string what = "label |" + text.text + "| ";
    what += arrow != 0 ? "and its arrow need " : "needs ";
    warn(text.at,
         what + str(need) + " pixels in the " + (font == VXFONTBOLD ? "bold" : "normal") +
             " font; button " + quoted(s.values[0]->text) + " has room for " + str(room),
         "label-width");
  }

  void label(const Statement& s) {
    if (window_ == nullptr) return;
    const std::vector<const Token*>& v = s.values;
    long long x = v[0]->number, y = v[1]->number;
    long long wide = textwidth(v[3]->text, s.word->number == 1 ? VXFONTBOLD : VXFONTNORMAL);
    if (!inwindow(x, y, x + wide, y))
      warn(v[0]->at,
           "label |" + v[3]->text + "| at (" + str(x) + ", " + str(y) + "), " + str(wide) +
               " pixels wide," + pastwindow(),
           "outside");
  }

  void rect(const Statement& s) {
    if (window_ == nullptr) return;
    const std::vector<const Token*>& v = s.values;
    long long left = v[0]->number, top = v[1]->number;
    long long width = v[2]->number, height = v[3]->number;
    if (!inwindow(left, top, left + width, top + height))
      warn(v[0]->at, "rect " + box(left, top, width, height) + pastwindow(), "outside");
  }

  void line(const Statement& s) {
    if (window_ == nullptr) return;
    const std::vector<const Token*>& v = s.values;
    long long x1 = v[0]->number, y1 = v[1]->number, x2 = v[2]->number, y2 = v[3]->number;
    if (!inwindow(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
      warn(v[0]->at,
           "line from (" + str(x1) + ", " + str(y1) + ") to (" + str(x2) + ", " + str(y2) + ")" +
               pastwindow(),
           "outside");
  }

  void item(const Statement& s) {
    if (popup_ == nullptr) return;
    const std::vector<const Token*>& v = s.values;
    unique(items_, *v[0], "item");
    int wide = textwidth(v[3]->text, VXFONTBOLD) + 10;
    if (popup_->values[7]->number != 0) wide += 10;
    popupwidth_ = std::max(popupwidth_, wide);
    if (v[1]->number != -1) shownitems_++;
  }

  // Measures the popup that ends here, as it opens where it stands, and starts `next`.
  void endpopup(const Statement* next) {
    if (popup_ != nullptr) {
      const std::vector<const Token*>& v = popup_->values;
      long long left = v[1]->number, top = v[2]->number;
      long long height = vx::rowsheight(shownitems_);
      if (left < 0 || top < 0 || left + popupwidth_ > SCREENWIDTH || top + height > SCREENHEIGHT)
        warn(v[0]->at,
             "popup " + quoted(v[0]->text) + " " + box(left, top, popupwidth_, height) +
                 " reaches past the 640 x 480 screen when it opens",
             "popup-fit");
    }
    popup_ = next;
    items_.clear();
    popupwidth_ = 0;
    shownitems_ = 0;
  }

  Diagnostics& found_;
  const Statement* window_ = nullptr;
  const Statement* popup_ = nullptr;
  int popupwidth_ = 0;
  int shownitems_ = 0;
  Table windows_, popups_, fields_, messages_, functions_, aliases_;
  Table buttons_, items_;
};

}  // namespace

void lint(const std::vector<Statement>& statements, Diagnostics& found) {
  Linter(found).run(statements);
  librarywindows(statements, found);
}

}  // namespace vxtool
