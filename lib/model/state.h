// The model layer's state, all of it but the tables of the interface model (model.h):
// the colours and settings the description gives, the index of the callback table, and
// what loading keeps while it reads a file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/getname.h"
#include "model/model.h"
#include "vx.h"

namespace vx {

class LoadSink;
struct Grammar;

constexpr int MAXALIASES = 50;
constexpr int MAXCOLORLISTS = 5;
constexpr int COLORLISTSIZE = 5;

struct ColorState {
  // 256 entries of 6-bit red, green, blue; entries nobody set are (0, 0, 0).
  std::uint8_t palette[256][3] = {};
  // Names by palette entry. New names are given out in turn; `namesgiven` may pass the
  // colour count by up to the six take-overs.
  std::array<std::string, 256> names{};
  int namesgiven = 0;
  struct Alias {
    std::string name;
    std::string color;
  };
  std::array<Alias, MAXALIASES> aliases{};
  int naliases = 0;
  std::array<std::array<Color, COLORLISTSIZE>, MAXCOLORLISTS> lists{};
  int nlists = 0;
};

// Values the description sets for the whole library.
struct Settings {
  Color highlightcolor = 0;  // the popups' band under the pointer
  Color framecolor = 0;  // buttonstuff: the buttons' frame, cross-out flag, light and dark edges
  int crossout = 0;
  Color lightcolor = 0;
  Color darkcolor = 0;
  int repeatspeed = 1;  // multiplies the speed of auto-repeat
  // Called on every repaint; null means the library's own full redraw.
  const FunctionEntry* redrawfunction = nullptr;
};

// The first row of each name in the application's callback table, built at the first
// binding after the table is handed over or a load begins.
struct CallbackIndex {
  NameIndex rows;
  bool built = false;
};

// A place in the file, line and column from 1 as editors count them (the column in
// bytes). Line 0 is the file as a whole.
struct Place {
  int line = 0;
  int column = 0;
};

// One value as reading recorded it: its characters in the file (a text's without its
// bars), and a number's value.
struct ValueToken {
  const char* text;
  std::uint32_t length;
  int number;
};

// One value of a statement as it is written, for the reporting mode's sink.
struct ReadValue {
  int token;  // scanner::NAME, NUMBER or TEXT, or a statement word's code
  int number;
  std::string_view text;  // a name's or text's characters, without a text's bars
  Place at;
  bool unclosed;  // a text without its closing bar
};

// Where a statement begins, for the places of the reporting mode: its first token, and
// the line that holds it as editors count lines, from 0.
struct StatementStart {
  std::size_t offset;
  std::size_t linestart;
  int line;
};

// A statement read whole, to be counted and then filled.
struct RecordedStatement {
  const Grammar* grammar;
  std::uint32_t first;  // its first value in the value record
  std::uint8_t form;
  std::uint8_t count;
  int line;               // the line the library's reports give it, from 0
  std::size_t linestart;  // where that line starts in the text
  std::size_t start = 0;  // where its first token starts in the text
};

// An application's fatal report that stands nowhere in particular.
constexpr std::size_t NOWHERE = ~std::size_t{0};

// What a load keeps while it runs. The reporting mode's sink gets every report with its
// place; without one, the first error ends the program.
struct LoadState {
  ModelCounts counts;
  // The filling pass's indexes of the last filled record of each table; button,
  // graphic and item indexes belong to the current window and popup.
  struct {
    int window = -1, popup = -1, function = -1, message = -1, field = -1;
    int button = -1, graphic = -1, item = -1;
  } filled;
  std::vector<RecordedStatement> statements;
  std::vector<ValueToken> values;
  // The reporting mode's: where each statement recorded begins (its values' places are
  // found from there when a report needs one), and the values of the one being read.
  std::vector<StatementStart> starts;
  std::vector<ReadValue> written;
  LoadSink* sink = nullptr;
  const char* file = "";   // the name the reports give
  std::size_t acting = 0;  // the statement being counted or filled
  // For an application's fatal report's line on standard error: where in the text it
  // stands, an error-on-line report's message, and why the file could not be read.
  std::size_t failedat = NOWHERE;
  const char* failedmessage = nullptr;
  int openerror = 0;
};

// The scanner's place in the text.
struct ScannerState {
  const char* input = nullptr;
  std::size_t length = 0;
  std::size_t position = 0;
  // Lines as the library's reports count them, from 0: the line end that an unclosed
  // text takes in is not counted.
  int line = 0;
  std::size_t linestart = 0;
  // The current line is copied for reports only when one asks for it, or when a pass
  // ends: the copy outlives the text it came from.
  bool linecopied = true;
  char linecopy[255] = "";
  // Lines as editors count them, from 0, for places.
  int physline = 0;
  std::size_t physlinestart = 0;
  // The last token: where it starts and ends (a text's closing bar included, the line
  // end an unclosed one takes in not), and whether it is a text without its bar.
  std::size_t tokenstart = 0;
  std::size_t tokenend = 0;
  bool unclosed = false;
};

struct ModelState {
  int colorcount = 16;  // 16 or 256: how many palette indexes may carry colours of their own
  ColorState colors;
  Settings settings;
  CallbackIndex callbacks;
  LoadState loading;
  ScannerState scanner;
};

extern ModelState modelstate;

// Everything as an interface just brought up has it: the built-in palette not yet
// installed, default settings, 16 colours, nothing indexed, loading or scanned.
void resetmodel();

}  // namespace vx
