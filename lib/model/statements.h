// The actions of the description file's statements, for both loading passes.
#pragma once

#include "model/model.h"
#include "model/parser.h"

namespace vx {

// One value of a statement as the grammar collected it. Colours and functions are
// already resolved in the filling pass; texts are owned copies there (null in the
// counting pass), and an action that keeps one sets it to null.
struct Value {
  int number;
  char* text;
  Color color;
  const FunctionEntry* entry;
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

// Resets the counters of a pass.
void beginstatements(Pass pass);
ModelCounts& statementcounts();

// The filling pass's indexes of the last filled record of each table; button,
// graphic and item indexes belong to the current window and popup.
struct FillIndexes {
  int window, popup, function, message, field;
  int button, graphic, item;
};
FillIndexes& fillindexes();

// Moves `last` to the next record of a table of `count` records and returns it.
int nextslot(int& last, int count);

// Names and labels above 31 characters are kept whole, with a warning.
bool toolong(const char* name);

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

// A copy of a value's text that the model keeps and owns (null in the counting pass,
// which reads no texts); running out of memory is fatal.
char* keeptext(Value& value);

}  // namespace vx
