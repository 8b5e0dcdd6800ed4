// Every way a description file can fail to load, with the exact report.
#include <string>

#include "model/load.h"
#include "support/load_fixture.h"

using vxtest::banner;
using vxtest::readfile;

namespace {

class LoadErrors : public vxtest::LoadTest {};

std::string repeated(int count, const std::string& before, const std::string& after) {
  std::string text;
  for (int i = 0; i < count; i++) text += before + std::to_string(i) + after + "\n";
  return text;
}

std::string parseerror(int line, const std::string& copy, const char* message = "parse error") {
  return vxtest::numbered("Error on line: ", line) + ".\nLine: |" + copy +
         "|\nMessage: " + message + ".\n";
}

const std::string WINDOW = "window(w 0 0 10 10 black white black 0 1 0)\n";

struct Case {
  const char* what;
  std::string text;
  std::string message;
};

TEST_F(LoadErrors, SyntaxErrorsAreReportedWithTheirLine) {
  const Case cases[] = {
      {"empty file", "", parseerror(0, "")},
      {"only a comment", "# nothing here\n", parseerror(1, "")},
      {"CANCEL with three names", "CANCEL(a b c)", parseerror(0, "")},
      {"lower-case cancel", "cancel(a b c d)", parseerror(0, "")},
      {"third line", "field(a 1 2 3 4 black)\nfield(b 1 2 3 4 black)\nfield(c 1 2 - 4 black)\n",
       parseerror(2, "field(c 1 2 - 4 black)")},
      {"keyword as a name", "field(label 1 2 3 4 black)", parseerror(0, "")},
      {"missing parenthesis", "\nwindow main", parseerror(1, "window main")},
      {"a stray character", "field(a 1 2 3 4 black);\n", parseerror(0, "")},
      {"too many values", "speedup(1 2)", parseerror(0, "")},
      {"a text for a name", "msg(|a| |b|)", parseerror(0, "")},
      // The line feed that ends an unclosed text is not counted.
      {"unclosed text ends its line", "msg(a |never closed\n)\nfield(\n1)\n", parseerror(2, "1)")},
      // A file with lone carriage returns reads as one with line feeds.
      {"CR line ends", "# fields\rfield(a 1 2 3 4 black)\rfield(b 1 2 - 4 black)\rfield(c)\r",
       parseerror(2, "field(b 1 2 - 4 black)")},
      // The counting pass finds the syntax error before the filling pass could see the
      // old palette form.
      {"syntax before semantics", "(sky 1 2 3 4)\nfield(a)\n", parseerror(1, "field(a)")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_LOADFATAL(c.text, c.message);
  }
}

TEST_F(LoadErrors, LimitsOfTheTables) {
  const Case cases[] = {
      {"100th window", repeated(100, "window(w", " 0 0 1 1 black black black 0 0 0)"),
       "Too many windows declared in interface file\n"},
      {"25th popup", repeated(25, "popup(p", " 0 0 black black black black 0)"),
       "Too many popup menus declared in interface file\n"},
      {"51st alias", repeated(51, "alias(a", " black)"), "Too many aliases.\n"},
      {"6th colour list", repeated(6, "colorlist(black white black white peach) #", ""),
       "Too many colorlists.\n"},
      {"palette full", repeated(15, "(c", " 1 2 3)"),
       "Too many colors.\nPalette was initialized with 16 colors.\nLast color: |c14|.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_LOADFATAL(c.text, c.message);
  }
  // 99 windows and 24 popups are allowed.
  EXPECT_EXIT(
      {
        load(repeated(99, "window(w", " 0 0 1 1 black black black 0 0 0)") +
             repeated(24, "popup(p", " 0 0 black black black black 0)"));
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(LoadErrors, TheFullPaletteOfTwoHundredFiftySixColours) {
  const std::string message =
      "Too many colors.\nPalette was initialized with 256 colors.\nLast color: |c254|.\n";
  EXPECT_FATAL(load(repeated(255, "(c", " 1 2 3)"), 256), message, banner() + message);
}

TEST_F(LoadErrors, NamesThatResolveToNothing) {
  const Case cases[] = {
      {"unknown colour", "field(a 1 2 3 4 purple)",
       "convertcolor: color alias not found.\n\tAlias = |purple|\n"},
      {"unknown function", "function(nothere 0 0)",
       "getname: Couldn't find |function| named |nothere|\n"},
      {"redrawfunc keeps its @", "redrawfunc(@redraw)",
       "getname: Couldn't find |function| named |@redraw|\n"},
      {"@ without its popup", WINDOW + "button(b |B| 0 0 5 5 black black black @menu 0 1 0 C)",
       "getname: Couldn't find |popup| named |menu|\n"},
      {"@ before its popup",
       WINDOW + "button(b |B| 0 0 5 5 black black black @menu 0 1 0 C)\n" +
           "popup(menu 0 0 black black black black 0)\n",
       "getname: Couldn't find |popup| named |menu|\n"},
      {"@ popup without a row",
       "popup(other 0 0 black black black black 0)\n" + WINDOW +
           "button(b |B| 0 0 5 5 black black black @other 0 1 0 C)",
       "getname: Couldn't find |function| named |other|\n"},
      {"wrong form", "function(press 0 0)",
       "Function |press| is used as an event (per-event or keyboard) callback, but its table "
       "entry holds a name callback.\n"},
      {"drag callback for a button",
       WINDOW + "button(b |B| 0 0 5 5 black black black drag 0 1 0 C)",
       "Function |drag| is used as a name (button or popup item) callback, but its table "
       "entry holds a drag callback.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_LOADFATAL(c.text, c.message);
  }
}

TEST_F(LoadErrors, StatementsThatNeedAWindowOrAPopup) {
  const Case cases[] = {
      {"button", "button(b |B| 0 0 5 5 black black black press 0 1 0 C)",
       "No active window for line.\n"},
      {"dragarea", "dragarea(d 0 0 5 5 black drag 1)", "No active window for line.\n"},
      {"line", "line(0 0 1 1 1 black)", "No active window for line.\n"},
      {"label", "labels(0 0 black |x|)", "No active window for label.\n"},
      {"rect", "rect(0 0 1 1 black 1 fill)", "No active window for .\n"},
      {"plabel", "\nplabel(i 1 press |Item|)\npopup(p 0 0 black black black black 0)\n",
       parseerror(1, "plabel(i 1 press |Item|)", "plabel before the first popup statement")},
      {"old palette entry", "(sky 1 2 3 4)",
       "This interface file uses an old palette entry syntax.\n  You can no longer set the "
       "index of a palette entry in the interface file.\n  Please contact Project Varnex "
       "about this problem.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_LOADFATAL(c.text, c.message);
  }
}

TEST_F(LoadErrors, AMissingFile) {
  const std::string message = "Cannot open interface file |missing/none.inf|.\n";
  EXPECT_FATAL(vx::loaddescription("missing/none.inf"), message, banner() + message);
}

// The same reports once more on standard error, as compilers write theirs: the file,
// the line and column from 1, and the report on one line.
TEST_F(LoadErrors, StandardErrorSaysWhereInTheFile) {
  const Case cases[] = {
      {"parse error", "# fields\nfield(c 1 2 - 4 black)\n", "test.inf:2:13: error: parse error\n"},
      {"unknown colour", "\n  field(a 1 2 3 4 purple)",
       "test.inf:2:19: error: convertcolor: color alias not found. Alias = |purple|\n"},
      {"a whole statement", "line(0 0 1 1 1 black)",
       "test.inf:1:1: error: No active window for line.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EXIT(
        {
          vxtest::capturestderr();
          load(c.text);
        },
        ::testing::ExitedWithCode(255), "");
    EXPECT_EQ(readfile(vxtest::STDERRFILE), c.message);
  }
  // A file that cannot be read says why.
  for (const char* path : {"none.inf", "."}) {
    EXPECT_EXIT(
        {
          vxtest::capturestderr();
          vx::loaddescription(path);
        },
        ::testing::ExitedWithCode(255), "");
    EXPECT_EQ(readfile(vxtest::STDERRFILE),
              std::string(path) + ": error: Cannot open interface file |" + path +
                  "|: " + (path[0] == '.' ? "Is a directory" : "No such file or directory") + "\n");
  }
}

TEST_F(LoadErrors, FunctionNamesAreWarnedAboveThirtyOneCharacters) {
  EXPECT_EXIT(
      {
        load("function(" + std::string(32, 'f') + " 0 0)\n");
        std::exit(0);
      },
      ::testing::ExitedWithCode(255), "");
  EXPECT_EQ(readfile("error.log"), banner() + "Function name too long: |" + std::string(32, 'f') +
                                       "|.\n" + "getname: Couldn't find |function| named |" +
                                       std::string(32, 'f') + "|\n");
}

}  // namespace
