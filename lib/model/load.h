// Loading the description file into the interface model.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/state.h"

namespace vx {

struct Grammar;

// The width in pixels of a text in the bold font. Popups are sized by their labels, but
// text is measured by the layer that draws it, which hands this over before anything is
// loaded (bringing the interface up does).
using BoldWidth = int (*)(const char* text);
void setboldwidth(BoldWidth measure);

// Measures through what was handed over; fatal when nothing was.
int boldwidth(const char* text);

// Reads the file once, then counts its statements, allocates every table at its final
// size and fills them in file order. The colour count must be set first. Every failure
// is fatal, and its report also goes to standard error as PATH:LINE:COLUMN: error: TEXT
// (for a file that cannot be read, PATH: error: and why).
void loaddescription(const char* path);

// The same for a description already in memory.
void loaddescriptiontext(const char* text, std::size_t size);

// The whole file; "Cannot open interface file" (fatal) when it cannot be opened or
// read, whether it is missing, unreadable or a folder.
std::string readdescription(const char* path);

// One report of the loader's reporting mode.
struct LoadReport {
  bool error;        // an application would stop here; a warning it writes to "error.log" otherwise
  const char* file;  // as the load was given it
  Place at;
  // The library's words, as "error.log" would have them; for a statement that fits none
  // of its forms, what is wrong with it (reports.h, UNKNOWNSTATEMENT and after).
  std::string_view text;
  const char* format;        // the constant of reports.h the text was made from
  std::string_view subject;  // the colour, popup, function or word it is about, or empty
  const char* kind;          // with NOTFOUND: what was looked for ("popup", "function")
  const Grammar* statement;  // the statement it is about, or null
};

// A statement as it is written, before it acts.
struct ReadStatement {
  const Grammar* grammar;
  int form;  // 0 the shorter, 1 the longer; -1 when it fits neither (reported)
  Place at;  // its first token
  const ReadValue* values;
  int count;
};

// Where the reporting mode sends what it finds. Neither call may throw.
class LoadSink {
 public:
  // Every report, the errors as well as the warnings, with its place.
  virtual void report(const LoadReport& report) = 0;
  // Every statement that starts with a statement word or "(", in file order, as the
  // statements are counted, before the tables are filled.
  virtual void statement(const ReadStatement& statement) = 0;

 protected:
  ~LoadSink() = default;
};

// Loads in the reporting mode: no report ends the program or reaches "error.log"; each
// goes to the sink instead, with the file's name and its place, and loading goes on at
// the next statement, with the values it could not resolve left at 0 or null and the
// statements it refused left out. Text measures as in an application; the text must
// outlive the call.
void loaddescriptiontext(const char* text, std::size_t size, LoadSink& sink, const char* file);

}  // namespace vx
