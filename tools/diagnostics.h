// Diagnostics about a description file in the form compilers use, so that editors and
// terminals take the user to the place: "FILE:LINE:COL: error: TEXT", the line, a caret.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/state.h"

namespace vxtool {

using vx::Place;

// The file's text and its lines, split where the library's scanner splits them: at a
// line feed, a carriage return and line feed, or a lone carriage return.
class Source {
 public:
  Source(std::string path, std::string text) : path_(std::move(path)), text_(std::move(text)) {}
  const std::string& path() const { return path_; }
  const std::string& text() const { return text_; }
  // Line n (from 1) without its line end; empty past the last.
  std::string_view line(int n) const;

 private:
  std::string path_;
  std::string text_;
  // Where each line starts, found when a line is first asked for.
  mutable std::vector<std::size_t> starts_;
};

enum class Severity { ERROR, WARNING };

struct Diagnostic {
  Severity severity;
  Place at;
  std::string text;
  const char* lint;  // the name of a lint warning (-Wno-NAME), or null
};

// The names of the lint warnings (-Wno-NAME); all are on unless turned off.
extern const char* const LINTS[];
extern const std::size_t LINTCOUNT;

// Collects diagnostics and prints them in file order.
class Diagnostics {
 public:
  // At most this many are printed; the count of the rest follows them.
  static constexpr int SHOWN = 20;

  void error(Place at, std::string text);
  // A lint warning is dropped when it is turned off.
  void warning(Place at, std::string text, const char* lint = nullptr);
  // Turns a lint on or off; false when there is no lint of that name.
  bool enable(std::string_view lint, bool on);

  int errors() const { return errors_; }
  int warnings() const { return warnings_; }

  // Prints them sorted by place, each with its line and a caret under the column.
  void print(std::FILE* out, const Source& source);

 private:
  std::vector<Diagnostic> found_;
  std::vector<std::string> off_;
  int errors_ = 0;
  int warnings_ = 0;
};

// The candidate nearest to `word` without regard to case, when it is near enough to be
// what was meant (a typing mistake or two) and is not the word itself; empty otherwise.
std::string closest(std::string_view word, const std::vector<std::string>& candidates);

// A report's text from one of the library's formats (model/reports.h).
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A library report as one line: its line ends and the indentation after them become
// single blanks.
std::string oneline(std::string_view report);

// A name in quotes for a message, cut when it is long.
std::string quoted(std::string_view name);

// The name with "A" to "Z" in lower case, as the library compares names: a key under
// which the library's look-up finds it.
std::string folded(std::string_view name);

}  // namespace vxtool
