// vxtool check on broken files: every mistake reported at its line and column, in one
// run, with the library's words where it has them.
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "tools/run_vxtool.h"

using vxtest::readfile;
using vxtest::writefile;

namespace {

class VxtoolDiagnostics : public vxtest::VxTest {};

int vxtool(const std::string& arguments) { return vxtest::runvxtool(arguments); }

// The diagnostics' first lines, and the summary after the shown ones.
std::vector<std::string> headlines(const std::string& err, const std::string& file) {
  std::vector<std::string> lines;
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(file + ":", 0) == 0 || line.rfind("vxtool", 0) == 0) lines.push_back(line);
  return lines;
}

std::string repeated(const std::string& statement, int count) {
  std::string text;
  for (int i = 0; i < count; i++) text += statement;
  return text;
}

const std::string STORES =
    "window(root 0 0 640 480 black white black 1 1 0)\n"
    "window(wide 0 0 20000 100 black white black 1 0 2)\n"
    "window(tall 0 0 100 20000 black white black 1 0 2)\n";

const std::string LINT =
    "window(root 0 0 640 480 black white black 1 1 0)\n"
    "button(quit |Quit this program| 600 20 60 24 black dgray lgray quit 1 1 0 C)\n"
    "button(quit |Q| 1 1 0 10 black dgray lgray quit 1 1 0 C)\n"
    "label(630 50 black |Label|)\n"
    "button(" +
    std::string(81, 'n') +
    " |x| 1 1 10 10 black dgray lgray quit 1 1 0 C)\n"
    "window(help 0 0 100 50 black white black 1 0 0)\n"
    "popup(menu 610 10 black dgray white black 0)\n"
    "plabel(item 1 pick |Item|)\n"
    "msg(hm10 |First|)\n"
    "msg(note |no bar\n"
    ")\n"
    "button(ok |OK| 10 10 50 20 black dgray lgray ok 1 1 0 X)\n"
    "(pink 70 0 0)\n"
    "window(arrows 0 0 640 200 black white black 1 0 0)\n"
    "button(next |Next\\>| 20 20 600 24 black dgray lgray quit 1 1 0 L)\n"
    "button(go |Go\\>| 20 60 80 24 black dgray lgray quit 1 1 0 R)\n";

// The library's own warnings, placed on the line the file has them on although the
// unclosed text makes the library count one line fewer.
const std::vector<std::string> LIBRARYWARNINGS = {
    "f.inf:5:8: warning: Name too long: |" + std::string(81, 'n') + "|",
    "f.inf:12:55: warning: Button |ok|: justification |X| is not C, L or R; the label is "
    "centred.",
};

std::vector<std::string> lintwarnings() {
  std::vector<std::string> all = {
      "f.inf:2:13: warning: label |Quit this program| needs 95 pixels in the bold font; button "
      "'quit' has room for 60 [-Wlabel-width]",
      "f.inf:2:33: warning: button 'quit' at (600, 20), 60 x 24, reaches past its window 'root', "
      "640 x 480 [-Woutside]",
      "f.inf:3:8: warning: button 'quit' has the same name as the button on line 2; only the "
      "first is ever found [-Wduplicate]",
      "f.inf:3:21: warning: button 'quit' has zero or negative size: 0 x 10 [-Wsize]",
      "f.inf:4:7: warning: label |Label| at (630, 50), 29 pixels wide, reaches past its window "
      "'root', 640 x 480 [-Woutside]",
      "f.inf:5:8: warning: button name of 81 characters; VXgetlastaction keeps only the first 80 "
      "[-Wname-length]",
      LIBRARYWARNINGS[0],
      "f.inf:6:8: warning: window 'help' has no button 'helpnext', which VXhelp shows and hides "
      "[-Wlibrary-windows]",
      "f.inf:6:8: warning: window 'help' has no button 'helpprev', which VXhelp shows and hides "
      "[-Wlibrary-windows]",
      "f.inf:7:7: warning: popup 'menu' at (610, 10), 33 x 22, reaches past the 640 x 480 screen "
      "when it opens [-Wpopup-fit]",
      "f.inf:9:5: warning: message 'hm10' is shown in the window 'message', which the file does "
      "not have [-Wlibrary-windows]",
      "f.inf:10:10: warning: text without its closing bar runs to the end of the line "
      "[-Wunclosed-text]",
      LIBRARYWARNINGS[1],
      "f.inf:13:7: warning: red of 'pink' is 70; components are 0 to 63, and the screen "
      "shows it as 6 [-Wcomponent]",
      "f.inf:16:11: warning: label |Go\\>| and its arrow are drawn over x = 2 to 65, past the "
      "left edge of button 'go' (x = 20 to 99) [-Woutside]",
  };
  return all;
}

TEST_F(VxtoolDiagnostics, EveryMistakeIsReportedWhereItStands) {
  struct Case {
    const char* what;
    std::string file;
    std::string options;
    std::vector<std::string> diagnostics;
    int status;
  };
  const std::string ALLOFF =
      "-Wno-duplicate -Wno-size -Wno-outside -Wno-label-width -Wno-popup-fit "
      "-Wno-library-windows -Wno-name-length -Wno-unclosed-text -Wno-component";
  const std::string WERROR = "vxtool check: the warnings count as errors (--werror)";
  std::vector<std::string> werror = lintwarnings();
  werror.push_back(WERROR);
  const std::string ONEWARNING =
      "window(root 0 0 640 480 black white black 1 1 5)\n(pink 70 0 0)\n";
  const std::string COMPONENT =
      "f.inf:2:7: warning: red of 'pink' is 70; components are 0 to 63, and the screen shows it "
      "as 6 [-Wcomponent]";
  std::vector<std::string> twenty;
  for (int line = 1; line <= 20; line++)
    twenty.push_back("f.inf:" + std::to_string(line) + ":1: error: unknown statement 'x'");
  twenty.push_back("f.inf: 5 more not shown");
  const Case cases[] = {
      {"statements that fit none of their forms",
       "window(root 0 0 640 480 black white black 1 1 0)\n"
       "windw(w 0 0 10 10 black white black 1 1 0)\n"
       "button(quit |Quit| 530 20 90 24 black dgray lgray quit 1 1 0)\n"
       "labels(1 2 black fine)\n"
       "\trect 1 2 3 4 black 1 fill)\n"
       "line(1 2 3 4 1 black = )\n"
       "msg(open |no bar\n"
       "msg(next |x|)\n"
       "button(size |x| 20 20 4x4 24 black dgray lgray quit 1 1 0 C)\n"
       "rect(10 20 4x4 black 1 fill)\n",
       "",
       {"f.inf:2:1: error: unknown statement 'windw'; did you mean 'window'?",
        "f.inf:3:61: error: button takes 14 values; this one has 13",
        "f.inf:4:18: error: value 4 of labels (text) must be a |text|; found the name 'fine'",
        "f.inf:5:7: error: expected '(' after rect, found the number 1",
        "f.inf:6:22: error: unexpected '=' in line",
        "f.inf:7:17: error: unclosed ( opened on line 7 (the text on line 7 has no closing bar)",
        "f.inf:9:23: error: expected a number, found '4x4'",
        "f.inf:10:12: error: expected a number, found '4x4'"},
       1},
      {"what loading, start-up and the first popup refuse",
       "(sky 10 20 30 4)\n"
       "button(early |x| 1 2 3 4 black white lgray pick 1 1 0 C)\n"
       "plabel(item 1 pick |Item|)\n"
       "window(main 0 0 640 480 black white blakc 1 1 0)\n"
       "button(open |Open| 1 2 60 20 black white lgray @menu 1 1 0 C)\n"
       "window(box 0 0 10 10 black white black 1 0 6)\n"
       "function(pick 0 1)\n"
       "popup(menu 10 10 black dgray white black 0)\n",
       "",
       {"f.inf:1:1: error: This interface file uses an old palette entry syntax. You can no "
        "longer set the index of a palette entry in the interface file. Please contact Project "
        "Varnex about this problem.",
        "f.inf:2:1: error: No active window for line. (button before the first window)",
        "f.inf:3:1: error: plabel before the first popup statement",
        "f.inf:4:37: error: convertcolor: color alias not found. Alias = |blakc| (did you mean "
        "'black'?)",
        "f.inf:5:48: error: getname: Couldn't find |popup| named |menu| (it must stand before "
        "the button that opens it)",
        "f.inf:6:44: error: Error:  can't have bstore # 6 (stores are 1 to 5, or 0 for none)",
        "f.inf:7:10: error: Function |pick| is used as an event (per-event or keyboard) "
        "callback, but its table entry holds a name callback. (line 2 uses it as a name "
        "callback)",
        "f.inf:8:1: error: getname: Couldn't find |window| named |root| (popups open over it)"},
       1},
      {"aliases that name no colour, reported where they stand",
       "alias(a1 white)\n"
       "alias(a2 a1)\n"
       "alias(a3 whte)\n"
       "window(root 0 0 640 480 black a3 a2 1 1 0)\n"
       "window(w 0 0 10 10 a2 white black 1 0 0)\n",
       "",
       {"f.inf:2:10: error: convertcolor: color alias not found. Alias = |a2| (used on line 4): "
        "'a1' is an alias, and an alias must name a colour, not another",
        "f.inf:3:10: error: convertcolor: color alias not found. Alias = |a3| (used on line 4): "
        "'whte' is not a colour (did you mean 'white'?)"},
       1},
      {"stores too large to create",
       STORES,
       "-Wno-outside",
       {"f.inf:3:49: error: Error:  cannot initialize backing store 2.  Out of memory. (20000 x "
        "20000 pixels)"},
       1},
      {"the same stores without BSTORE", STORES, "-Wno-outside --no-bstore", {}, 0},
      {"the last store, and one warning", ONEWARNING, "--bstore", {COMPONENT}, 0},
      {"one warning with --werror", ONEWARNING, "--bstore --werror", {COMPONENT, WERROR}, 1},
      {"the limits",
       "window(root 0 0 640 480 black white black 1 1 0)\n" +
           repeated("window(w 0 0 1 1 black white black 1 0 0)\n", 99) +
           repeated("popup(p 0 0 black dgray white black 0)\n", 25),
       "-Wno-duplicate",
       {"f.inf:100:1: error: Too many windows declared in interface file",
        "f.inf:125:1: error: Too many popup menus declared in interface file"},
       1},
      {"more than twenty", repeated("x\n", 25), "", twenty, 1},
      {"nothing", "# no statement\n", "", {"f.inf:1:15: error: the file holds no statement"}, 1},
      {"the lint warnings", LINT, "", lintwarnings(), 0},
      {"with --werror", LINT, "--werror", werror, 1},
      {"each turned off", LINT, ALLOFF, LIBRARYWARNINGS, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writefile("f.inf", c.file);
    EXPECT_EQ(vxtool("check " + c.options + " f.inf"), c.status);
    std::vector<std::string> found = headlines(readfile("err.txt"), "f.inf");
    EXPECT_EQ(found, c.diagnostics);
    // The model is listed when there is no error, and only then.
    bool errors = false;
    for (const std::string& line : found) errors = errors || line.find(": error: ") != line.npos;
    EXPECT_EQ(readfile("out.txt").rfind("window root", 0) == 0, !errors);
  }
}

TEST_F(VxtoolDiagnostics, ADiagnosticShowsItsLineWithACaretUnderTheColumn) {
  writefile("tab.inf",
            "window(root 0 0 640 480 black white black 1 1 0)\n\tlabels(1 2 black fine)\n");
  EXPECT_EQ(vxtool("check tab.inf"), 1);
  EXPECT_EQ(readfile("err.txt"),
            "tab.inf:2:19: error: value 4 of labels (text) must be a |text|; found the name "
            "'fine'\n"
            "\tlabels(1 2 black fine)\n"
            "\t                 ^\n");
  EXPECT_EQ(readfile("out.txt"), "");
}

}  // namespace
