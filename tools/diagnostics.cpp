// Diagnostics about a description file in the form compilers use.
#include "diagnostics.h"

#include <algorithm>
#include <cstdarg>
#include <iterator>
#include <utility>

namespace vxtool {

// The names of the lint warnings; CHECKUSAGE and docs/language.md say what each is.
const char* const LINTS[] = {
    "duplicate",       "size",        "outside",       "label-width", "popup-fit",
    "library-windows", "name-length", "unclosed-text", "component",
};
const std::size_t LINTCOUNT = std::size(LINTS);

std::string_view Source::line(int n) const {
  if (starts_.empty()) {
    std::size_t i = 0, size = text_.size();
    starts_.push_back(0);
    while (i < size) {
      char c = text_[i++];
      if (c != '\n' && c != '\r') continue;
      if (c == '\r' && i < size && text_[i] == '\n') i++;
      starts_.push_back(i);
    }
  }
  // A last line end ends the last line rather than starting another.
  if (n < 1 || static_cast<std::size_t>(n) >= starts_.size() + (starts_.back() < text_.size()))
    return {};
  std::size_t from = starts_[static_cast<std::size_t>(n - 1)];
  std::size_t end = from;
  while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') end++;
  return std::string_view(text_).substr(from, end - from);
}

void Diagnostics::error(Place at, std::string text) {
  found_.push_back({Severity::ERROR, at, std::move(text), nullptr});
  errors_++;
}

void Diagnostics::warning(Place at, std::string text, const char* lint) {
  if (lint != nullptr && std::find(off_.begin(), off_.end(), lint) != off_.end()) return;
  found_.push_back({Severity::WARNING, at, std::move(text), lint});
  warnings_++;
}

bool Diagnostics::enable(std::string_view lint, bool on) {
  auto known = [&](const char* name) { return lint == name; };
  if (std::none_of(LINTS, LINTS + LINTCOUNT, known)) return false;
  std::erase(off_, lint);
  if (!on) off_.emplace_back(lint);
  return true;
}

namespace {

// The line as it is, but for control characters, which a terminal would act on.
std::string printable(std::string_view line) {
  std::string shown(line);
  for (char& c : shown) {
    auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t') || u == 0x7f) c = '?';
  }
  return shown;
}

// Blanks up to the column, tabs where the line has them and nothing for the inner
// bytes of a UTF-8 character, so that the caret stands under its character.
std::string caret(std::string_view line, int column) {
  std::string under;
  for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(column) && i < line.size(); i++) {
    auto u = static_cast<unsigned char>(line[i]);
    if (line[i] == '\t')
      under += '\t';
    else if (u < 0x80 || u >= 0xc0)
      under += ' ';
  }
  if (static_cast<std::size_t>(column) > line.size() + 1)
    under.append(static_cast<std::size_t>(column) - line.size() - 1, ' ');
  return under + '^';
}

}  // namespace

void Diagnostics::print(std::FILE* out, const Source& source) {
  std::stable_sort(found_.begin(), found_.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return a.at.line != b.at.line ? a.at.line < b.at.line : a.at.column < b.at.column;
  });
  const char* path = source.path().c_str();
  int shown = 0;
  for (const Diagnostic& d : found_) {
    if (shown++ == SHOWN) break;
    const char* severity = d.severity == Severity::ERROR ? "error" : "warning";
    if (d.at.line == 0) {
      std::fprintf(out, "%s: %s: %s", path, severity, d.text.c_str());
    } else {
      std::fprintf(out, "%s:%d:%d: %s: %s", path, d.at.line, d.at.column, severity, d.text.c_str());
    }
    if (d.lint != nullptr) std::fprintf(out, " [-W%s]", d.lint);
    std::fputc('\n', out);
    if (d.at.line == 0) continue;
    std::string_view line = source.line(d.at.line);
    std::fprintf(out, "%s\n%s\n", printable(line).c_str(), caret(line, d.at.column).c_str());
  }
  if (found_.size() > static_cast<std::size_t>(SHOWN))
    std::fprintf(out, "%s: %zu more not shown\n", path, found_.size() - SHOWN);
}

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Edits (insertions, deletions, substitutions, swaps of neighbours) from a to b.
std::size_t distance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); i++) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); j++) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); i++) {
    for (std::size_t j = 1; j <= b.size(); j++) {
      std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
          lower(a[i - 2]) == lower(b[j - 1]))
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string closest(std::string_view word, const std::vector<std::string>& candidates) {
  // Long names are not worth the time, and nothing is near them by mistake.
  constexpr std::size_t LONGEST = 64;
  if (word.size() > LONGEST) return {};
  std::string best;
  std::size_t bestdistance = word.size() <= 4 ? 1 : 2;
  for (const std::string& c : candidates) {
    if (c.size() > LONGEST + 2) continue;
    std::size_t d = distance(word, c);
    // The word itself, whatever its case, is never what was meant instead of it.
    if (d == 0) continue;
    if (d <= bestdistance && (best.empty() || d < bestdistance)) {
      best = c;
      bestdistance = d;
    }
  }
  return best;
}

std::string formatted(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int size = std::vsnprintf(nullptr, 0, format, args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  va_end(args);
  return text;
}

std::string oneline(std::string_view report) {
  std::string line;
  for (std::size_t i = 0; i < report.size(); i++) {
    char c = report[i];
    if (c != '\n' && c != '\r') {
      line += c;
      continue;
    }
    while (i + 1 < report.size() &&
           (report[i + 1] == ' ' || report[i + 1] == '\t' || report[i + 1] == '\n'))
      i++;
    line += ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string quoted(std::string_view name) {
  constexpr std::size_t LONGEST = 24;
  std::string text = "'";
  text.append(name.substr(0, LONGEST));
  if (name.size() > LONGEST) text += "...";
  return text.append("'");
}

std::string folded(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

}  // namespace vxtool
