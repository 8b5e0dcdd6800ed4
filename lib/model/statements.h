// The actions of the description file's statements, for both loading passes, and the
// loader's reports about the statement acting.
#pragma once

#include <string>
#include <string_view>

#include "model/model.h"
#include "model/parser.h"
#include "model/state.h"

namespace vx {

// One value of a statement as the grammar collected it. Names and texts are the file's
// characters; colours and functions are resolved before a statement fills anything.
struct Value {
  std::string_view text;
  const FunctionEntry* entry;
  int number;
  Color color;
};

// Everything an action is handed: the values, which form of the statement was
// written (0 the shorter, 1 the longer), and the keyword's own value (1 for button
// and label, 0 for buttons and labels).
struct Statement {
  Pass pass;
  Value* values;
  int form;
  int keyword;
};

ModelCounts& statementcounts();
LoadState& loading();

// Moves `last` to the next record of a table of `count` records and returns it.
int nextslot(int& last, int count);

// Names and labels above 31 characters are kept whole, with a warning.
bool toolong(std::string_view name);

void paletteentrystatement(Statement& s);
void aliasstatement(Statement& s);
void highlightstatement(Statement& s);
void speedupstatement(Statement& s);
void colorliststatement(Statement& s);
void buttonstuffstatement(Statement& s);
void functionstatement(Statement& s);
void redrawfuncstatement(Statement& s);
void msgstatement(Statement& s);
void fieldstatement(Statement& s);
void popupstatement(Statement& s);
void plabelstatement(Statement& s);
void windowstatement(Statement& s);
void buttonstatement(Statement& s);
void dragareastatement(Statement& s);
void labelstatement(Statement& s);
void rectstatement(Statement& s);
void linestatement(Statement& s);

// The window and popup that the filling pass is adding to, or null before the first.
Window* currentwindow();
Popup* currentpopup();

// A NUL-terminated copy of a value's text that the model keeps and owns; running out of
// memory is fatal.
char* keeptext(const Value& value);

// Reports about the statement acting, placed at one of its values (from 0) or at the
// WHOLE statement. In an application every error is fatal; in the reporting mode each
// goes to the sink and:
constexpr int WHOLE = -1;

// ... the statement is refused: nothing of it is kept. Every check comes before an
// action changes anything, so a refused statement leaves nothing half done.
[[noreturn]] void refuse(int at, const char* format, ...) __attribute__((format(printf, 2, 3)));
// ... with the library's error-on-line report in an application.
[[noreturn]] void refuseonline(const char* message);
// A warning, written to "error.log" in an application.
void warn(int at, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Look-ups that, in the reporting mode, report a miss and let the statement go on with
// nothing found: a colour (0, and false), a popup (-1), a function (null).
bool colorat(int at, std::string_view name, Color* color);
int popupat(int at, std::string_view name, int popups);
const FunctionEntry* functionat(int at, std::string_view name, VXform role, bool exact);

// Leaves a statement in the reporting mode without a report of its own, after the
// misses that already said why. The parser catches it at the statement's end; nothing
// else does, and nothing outside the loader is passed through.
struct Abandoned {};
[[noreturn]] void abandon();
bool reporting();

// A report's text made from its format.
std::string formatreport(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vx
