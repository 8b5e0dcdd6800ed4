// The description-file scanner: tokens, values, line counting and the line report.
#include "model/scanner.h"

#include <climits>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace sc = vx::scanner;

namespace {

// Tokens as text: keywords by name, values in parentheses, other codes as numbers.
std::string tokenname(int code, const sc::TokenValue& value) {
  static const char* const names[] = {"PALETTE",     "END",    "ALIAS",     "HIGHLIGHT",  "SPEEDUP",
                                      "BUTTONSTUFF", "CANCEL", "FUNCTION",  "REDRAWFUNC", "POPUP",
                                      "PLABEL",      "WINDOW", "FIELD",     "RECT",       "LINE",
                                      "DRAGAREA",    "MSG",    "COLORLIST", "NUMBER",     "LABEL",
                                      "BUTTON",      "NAME",   "TEXT"};
  if (code == sc::NULCHAR) return "NUL";
  if (code < sc::PALETTE || code > sc::TEXT) return vxtest::numbered("'", code) + "'";
  std::string name = names[code - sc::PALETTE];
  if (code == sc::NAME || code == sc::TEXT)
    return name.append("(").append(value.view()).append(")");
  if (code == sc::NUMBER || code == sc::LABEL || code == sc::BUTTON)
    return name + "(" + std::to_string(value.number) + ")";
  return name;
}

struct Scanned {
  std::string tokens;
  int line;
};

Scanned scan(const std::string& text) {
  sc::start(text.data(), text.size());
  Scanned result{"", 0};
  sc::TokenValue value;
  for (int code; (code = sc::next(value)) != 0;) {
    if (!result.tokens.empty()) result.tokens += ' ';
    result.tokens += tokenname(code, value);
  }
  result.line = sc::linenumber();
  return result;
}

struct Case {
  const char* what;
  std::string input;
  const char* tokens;
  int line;
};

const Case CASES[] = {
    {"keyword case", "Window WINDOW window wInDoW", "WINDOW WINDOW WINDOW WINDOW", 0},
    {"CANCEL only in capitals", "CANCEL cancel Cancel", "CANCEL NAME(cancel) NAME(Cancel)", 0},
    {"every keyword",
     "alias palette end highlight speedup buttonstuff function redrawfunc msg popup plabel "
     "field rect line dragarea colorlist",
     "ALIAS PALETTE END HIGHLIGHT SPEEDUP BUTTONSTUFF FUNCTION REDRAWFUNC MSG POPUP PLABEL "
     "FIELD RECT LINE DRAGAREA COLORLIST",
     0},
    {"singular and plural", "button buttons label labels BUTTONS Labels",
     "BUTTON(1) BUTTON(0) LABEL(1) LABEL(0) BUTTON(0) LABEL(0)", 0},
    {"keyword run on into a name", "buttonsx windows linewidth end_ rect2",
     "NAME(buttonsx) NAME(windows) NAME(linewidth) NAME(end_) NAME(rect2)", 0},
    {"numbers", "0 42 -12 007", "NUMBER(0) NUMBER(42) NUMBER(-12) NUMBER(7)", 0},
    {"minus then space", "- 12", "'45' NUMBER(12)", 0},
    {"digits then letters", "12abc", "NUMBER(12) NAME(abc)", 0},
    {"a minus inside a word", "a-1", "NAME(a) NUMBER(-1)", 0},
    {"saturated numbers", "2147483647 2147483648 99999999999999999999 -2147483648 -2147483649",
     "NUMBER(2147483647) NUMBER(2147483647) NUMBER(2147483647) NUMBER(-2147483648) "
     "NUMBER(-2147483648)",
     0},
    {"at words", "@quit a@b @ @@x", "NAME(@quit) NAME(a) NAME(@b) NAME(@) NAME(@) NAME(@x)", 0},
    {"underscore cannot start a word", "_x", "'95' NAME(x)", 0},
    {"separators", "a,b\tc ,, d", "NAME(a) NAME(b) NAME(c) NAME(d)", 0},
    {"parentheses", "(1)", "'40' NUMBER(1) '41'", 0},
    {"comments", "window # button (1)\nend#x", "WINDOW END", 1},
    {"empty text", "||", "TEXT()", 0},
    {"text keeps what would be tokens", "|# (a), b|x", "TEXT(# (a), b) NAME(x)", 0},
    {"unclosed text swallows its line feed", "|open\nwindow\nend", "TEXT(open) WINDOW END", 1},
    {"a closed text leaves its line feed", "|closed|\nwindow", "TEXT(closed) WINDOW", 1},
    {"unclosed text at the end", "end |open", "END TEXT(open)", 0},
    {"unclosed text in a CRLF file", "|open\r\nwindow\r\nend", "TEXT(open) WINDOW END", 1},
    {"unclosed text in a CR file", "|open\rwindow\rend", "TEXT(open) WINDOW END", 1},
    {"comments end at any line end", "a # x\rb # y\r\nc # z\nd", "NAME(a) NAME(b) NAME(c) NAME(d)",
     3},
    {"CRLF pairs count once", "a\r\nb\r\n\r\nc", "NAME(a) NAME(b) NAME(c)", 3},
    {"a lone CR is a line break", "a\rb\r\rc", "NAME(a) NAME(b) NAME(c)", 3},
    {"LF CR counts twice", "a\n\rb", "NAME(a) NAME(b)", 2},
    {"bytes of 128 and above", "a\x80\xff", "NAME(a) '128' '255'", 0},
    {"other characters", "\"x\";\f", "'34' NAME(x) '34' '59' '12'", 0},
    {"NUL is neither the end nor part of a word", std::string("ab\0cd", 5), "NAME(ab) NUL NAME(cd)",
     0},
    {"NUL ends a text", std::string("|ab\0cd|", 7), "TEXT(ab) NUL NAME(cd) TEXT()", 0},
};

class Scanner : public vxtest::VxTest {};

TEST_F(Scanner, TokenTable) {
  for (const Case& c : CASES) {
    Scanned result = scan(c.input);
    EXPECT_EQ(result.tokens, c.tokens) << c.what;
    EXPECT_EQ(result.line, c.line) << c.what;
  }
}

TEST_F(Scanner, LineCopyIsTheLineAfterTheBreak) {
  std::string text = "first\nsecond line # note\r\nthird";
  sc::start(text.data(), text.size());
  sc::TokenValue value;
  EXPECT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(sc::linenumber(), 0);
  EXPECT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(sc::linenumber(), 1);
  EXPECT_STREQ(sc::currentline(), "second line # note");
  EXPECT_EQ(sc::next(value), sc::LINE);
  EXPECT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(sc::linenumber(), 2);
  EXPECT_STREQ(sc::currentline(), "third");
  EXPECT_EQ(sc::next(value), 0);

  // A new pass starts at line 0 but keeps the copy until its first break.
  sc::start(text.data(), text.size());
  EXPECT_EQ(sc::linenumber(), 0);
  EXPECT_STREQ(sc::currentline(), "third");
}

TEST_F(Scanner, ALongLineIsScannedWholeAndCopiedInPart) {
  std::string longline(300, 'x');
  longline[296] = ' ';  // ... then a last word "xxx"
  std::string text = "a\n" + longline + "\nb";
  sc::start(text.data(), text.size());
  sc::TokenValue value;
  ASSERT_EQ(sc::next(value), sc::NAME);
  ASSERT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(value.view(), std::string(296, 'x'));
  EXPECT_EQ(std::string(sc::currentline()), longline.substr(0, sc::LINECOPY));
  ASSERT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(value.view(), "xxx");
  ASSERT_EQ(sc::next(value), sc::NAME);
  EXPECT_EQ(value.view(), "b");
  EXPECT_EQ(sc::linenumber(), 2);
}

TEST_F(Scanner, ErrorOnTheFirstLineShowsLineZeroAndNoCopy) {
  std::string text = "window ;";
  const char* report = "Error on line: 0.\nLine: ||\nMessage: parse error.\n";
  // The copy outlives passes; an empty line leaves it as a fresh process has it.
  std::string blank = "\n";
  sc::start(blank.data(), blank.size());
  sc::TokenValue ignored;
  sc::next(ignored);
  EXPECT_FATAL(
      {
        sc::start(text.data(), text.size());
        sc::TokenValue value;
        while (sc::next(value) != ';') {
        }
        sc::erroronline("parse error");
      },
      report, vxtest::banner() + report);
}

TEST_F(Scanner, ErrorAfterAnUnclosedTextIsOneLineShort) {
  std::string text = "msg m |open\nend\n;\n";
  const char* report = "Error on line: 1.\nLine: |;|\nMessage: parse error.\n";
  EXPECT_FATAL(
      {
        sc::start(text.data(), text.size());
        sc::TokenValue value;
        while (sc::next(value) != ';') {
        }
        sc::erroronline("parse error");
      },
      report, vxtest::banner() + report);
}

}  // namespace
