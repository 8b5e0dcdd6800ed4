// Warnings about what loads but does not work or show as meant.
#include "lint.h"

#include <algorithm>
#include <cstring>

#include "model/labelescapes.h"
#include "model/language.h"
#include "model/scanner.h"
#include "render/buttons.h"
#include "render/popups.h"
#include "vx.h"

namespace vxtool {

namespace {

namespace sc = vx::scanner;

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

std::string text(const vx::ReadValue& v) { return std::string(v.text); }

}  // namespace

void Linter::statement(const vx::ReadStatement& s) {
  int token = s.grammar->token;
  if (s.form < 0) {
    // What follows a broken window or popup belongs to nothing that can be measured.
    if (token == sc::WINDOW) window_ = false;
    if (token == sc::POPUP) endpopup(nullptr);
    return;
  }
  library_.statement(s);
  const vx::ReadValue* v = s.values;
  for (int k = 0; k < s.count; k++)
    if (v[k].unclosed)
      warn(v[k].at, "text without its closing bar runs to the end of the line", "unclosed-text");
  switch (token) {
    case '(': components(s); break;
    case sc::ALIAS: unique(aliases_, v[0], "alias"); break;
    case sc::FUNCTION: unique(functions_, v[0], "function"); break;
    case sc::MSG: unique(messages_, v[0], "message"); break;
    case sc::FIELD:
      unique(fields_, v[0], "field");
      sized("field", v[0], v[3], v[4]);
      break;
    case sc::WINDOW: window(s); break;
    case sc::POPUP:
      endpopup(&s);
      unique(popups_, v[0], "popup");
      kept(v[0], "popup");
      break;
    case sc::PLABEL: item(s); break;
    case sc::BUTTON:
    case sc::DRAGAREA: button(s); break;
    case sc::LABEL: label(s); break;
    case sc::RECT: rect(s); break;
    case sc::LINE: line(s); break;
    default: break;
  }
}

void Linter::finish() {
  endpopup(nullptr);
  library_.finish(found_);
}

void Linter::unique(Table& table, const vx::ReadValue& name, const char* kind) {
  int first = table.index.insert(name.text, static_cast<int>(table.entries.size()));
  if (first == static_cast<int>(table.entries.size())) {
    table.entries.push_back({kind, name.at.line});
    return;
  }
  const Entry& at = table.entries[static_cast<std::size_t>(first)];
  warn(name.at,
       std::string(kind) + " " + quoted(name.text) + " has the same name as the " + at.kind +
           " on line " + str(at.line) + "; only the first is ever found",
       "duplicate");
}

bool Linter::sized(const char* kind, const vx::ReadValue& name, const vx::ReadValue& width,
                   const vx::ReadValue& height) {
  if (width.number > 0 && height.number > 0) return true;
  warn(width.at,
       std::string(kind) + " " + quoted(name.text) +
           " has zero or negative size: " + str(width.number) + " x " + str(height.number),
       "size");
  return false;
}

void Linter::kept(const vx::ReadValue& name, const char* kind) {
  if (name.text.size() <= KEPTNAME) return;
  warn(name.at,
       std::string(kind) + " name of " + str(static_cast<long long>(name.text.size())) +
           " characters; VXgetlastaction keeps only the first " + str(KEPTNAME),
       "name-length");
}

// Whether a box relative to the current window lies inside it.
bool Linter::inwindow(long long left, long long top, long long right, long long bottom) const {
  return left >= 0 && top >= 0 && right <= windowwidth_ && bottom <= windowheight_;
}

std::string Linter::pastwindow() const {
  return " reaches past its window " + quoted(windowname_) + ", " + str(windowwidth_) + " x " +
         str(windowheight_);
}

void Linter::components(const vx::ReadStatement& s) {
  static const char* const NAMES[] = {"red", "green", "blue"};
  if (s.form != 0) return;
  for (int k = 1; k <= 3; k++) {
    const vx::ReadValue& c = s.values[k];
    if (c.number >= 0 && c.number <= 63) continue;
    warn(c.at,
         std::string(NAMES[k - 1]) + " of " + quoted(s.values[0].text) + " is " + str(c.number) +
             "; components are 0 to 63, and the screen shows it as " + str(c.number & 63),
         "component");
  }
}

void Linter::window(const vx::ReadStatement& s) {
  const vx::ReadValue* v = s.values;
  unique(windows_, v[0], "window");
  kept(v[0], "window");
  window_ = true;
  windowname_ = text(v[0]);
  windowwidth_ = v[3].number;
  windowheight_ = v[4].number;
  buttons_.clear();
  if (!sized("window", v[0], v[3], v[4])) return;
  long long left = v[1].number, top = v[2].number;
  if (left < 0 || top < 0 || left + v[3].number > SCREENWIDTH || top + v[4].number > SCREENHEIGHT)
    warn(v[1].at,
         "window " + quoted(v[0].text) + " " + box(left, top, v[3].number, v[4].number) +
             " reaches past the 640 x 480 screen",
         "outside");
}

void Linter::button(const vx::ReadStatement& s) {
  if (!window_) return;
  const vx::ReadValue* v = s.values;
  bool drag = s.grammar->token == sc::DRAGAREA;
  const char* kind = drag ? "drag area" : "button";
  int at = drag ? 1 : 2;  // left, top, width, height from here
  unique(buttons_, v[0], kind);
  kept(v[0], kind);
  if (!sized(kind, v[0], v[at + 2], v[at + 3])) return;
  long long left = v[at].number, top = v[at + 1].number;
  long long width = v[at + 2].number, height = v[at + 3].number;
  if (!inwindow(left, top, left + width, top + height))
    warn(v[at].at,
         std::string(kind) + " " + quoted(v[0].text) + " " + box(left, top, width, height) +
             pastwindow(),
         "outside");
  if (!drag) labelwidth(s, left, width);
}

// The label as the button draws it: escapes taken out, "@" breaking it in two, placed
// by the library's own rule.
void Linter::labelwidth(const vx::ReadStatement& s, long long left, long long width) {
  const vx::ReadValue& written = s.values[1];
  std::string label = text(written);
  int arrow = vx::removeescapes(label.data());
  label.resize(std::strlen(label.c_str()));
  if (label == "@@") return;
  std::size_t at = label.find('@');
  if (at != std::string::npos && at > KEPTLINE)
    warn(written.at,
         "the label's first line has " + str(static_cast<long long>(at)) +
             " characters; only the first " + str(KEPTLINE) + " are drawn",
         "name-length");
  int font = s.grammar->variant == 1 ? VXFONTBOLD : VXFONTNORMAL;
  char justify = s.values[13].text[0];
  if (justify != 'L' && justify != 'R') justify = 'C';
  VXsetfont(font);
  const vx::LabelPlace p = vx::placelabel(left, s.values[3].number, width, s.values[5].number,
                                          label.c_str(), arrow, justify);
  // What is drawn, from its leftmost to its rightmost column.
  long long from = p.arrow ? p.arrowleft : VXPFAR,
            to = p.arrow ? p.arrowleft + p.arrowside : -VXPFAR;
  for (int k = 0; k < p.lines; k++) {
    if (p.width[k] <= 0) continue;
    from = std::min<long long>(from, p.left[k]);
    to = std::max<long long>(to, p.left[k] + p.width[k]);
  }
  if (from > to) return;
  std::string what = "label |" + text(written) + "| ";
  what += p.arrow ? "and its arrow " : "";
  // The room the justification leaves: 5 pixels before a left-justified label, 6 after a
  // right-justified one.
  long long room = justify == 'L' ? width - 5 : justify == 'R' ? width - 6 : width;
  if (to - from > room) {
    warn(written.at,
         what + (p.arrow ? "need " : "needs ") + str(to - from) + " pixels in the " +
             (font == VXFONTBOLD ? "bold" : "normal") + " font; button " +
             quoted(s.values[0].text) + " has room for " + str(room),
         "label-width");
  } else if (from < left || to > left + width) {
    warn(written.at,
         what + (p.arrow ? "are" : "is") + " drawn over x = " + str(from) + " to " + str(to - 1) +
             ", past the " + (from < left ? "left" : "right") + " edge of button " +
             quoted(s.values[0].text) + " (x = " + str(left) + " to " + str(left + width - 1) + ")",
         "outside");
  }
}

void Linter::label(const vx::ReadStatement& s) {
  if (!window_) return;
  const vx::ReadValue* v = s.values;
  long long x = v[0].number, y = v[1].number;
  long long wide = textwidth(text(v[3]), s.grammar->variant == 1 ? VXFONTBOLD : VXFONTNORMAL);
  if (!inwindow(x, y, x + wide, y))
    warn(v[0].at,
         "label |" + text(v[3]) + "| at (" + str(x) + ", " + str(y) + "), " + str(wide) +
             " pixels wide," + pastwindow(),
         "outside");
}

void Linter::rect(const vx::ReadStatement& s) {
  if (!window_) return;
  const vx::ReadValue* v = s.values;
  long long left = v[0].number, top = v[1].number;
  long long width = v[2].number, height = v[3].number;
  if (!inwindow(left, top, left + width, top + height))
    warn(v[0].at, "rect " + box(left, top, width, height) + pastwindow(), "outside");
}

void Linter::line(const vx::ReadStatement& s) {
  if (!window_) return;
  const vx::ReadValue* v = s.values;
  long long x1 = v[0].number, y1 = v[1].number, x2 = v[2].number, y2 = v[3].number;
  if (!inwindow(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
    warn(v[0].at,
         "line from (" + str(x1) + ", " + str(y1) + ") to (" + str(x2) + ", " + str(y2) + ")" +
             pastwindow(),
         "outside");
}

void Linter::item(const vx::ReadStatement& s) {
  if (!popup_) return;
  const vx::ReadValue* v = s.values;
  unique(items_, v[0], "item");
  int wide = textwidth(text(v[3]), VXFONTBOLD) + 10;
  if (checklist_) wide += 10;
  popupwidth_ = std::max(popupwidth_, wide);
  if (v[1].number != -1) shownitems_++;
}

// Measures the popup that ends here, as it opens where it stands, and starts `next`.
void Linter::endpopup(const vx::ReadStatement* next) {
  if (popup_) {
    long long height = vx::rowsheight(shownitems_);
    if (popupleft_ < 0 || popuptop_ < 0 || popupleft_ + popupwidth_ > SCREENWIDTH ||
        popuptop_ + height > SCREENHEIGHT)
      warn(popupat_,
           "popup " + quoted(popupname_) + " " + box(popupleft_, popuptop_, popupwidth_, height) +
               " reaches past the 640 x 480 screen when it opens",
           "popup-fit");
  }
  popup_ = next != nullptr;
  if (popup_) {
    const vx::ReadValue* v = next->values;
    popupname_ = text(v[0]);
    popupat_ = v[0].at;
    popupleft_ = v[1].number;
    popuptop_ = v[2].number;
    checklist_ = v[7].number != 0;
  }
  items_.clear();
  popupwidth_ = 0;
  shownitems_ = 0;
}

}  // namespace vxtool
