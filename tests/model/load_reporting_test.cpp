// The loader's reporting mode: every report to the sink with its place, loading going on
// after each, and nothing written to the logs.
#include <filesystem>
#include <string>
#include <vector>

#include "model/colors.h"
#include "model/language.h"
#include "model/load.h"
#include "model/model.h"
#include "model/reports.h"
#include "support/load_fixture.h"

using vx::model;

namespace {

class LoadReporting : public vxtest::LoadTest {};

struct Collected : vx::LoadSink {
  std::vector<std::string> reports;
  std::vector<std::string> statements;
  void report(const vx::LoadReport& r) override {
    reports.push_back(std::string(r.file)
                          .append(r.error ? ": error " : ": warning ")
                          .append(std::to_string(r.at.line))
                          .append(":")
                          .append(std::to_string(r.at.column))
                          .append(" ")
                          .append(r.text));
  }
  void statement(const vx::ReadStatement& s) override {
    std::string shown = s.grammar->name();
    shown.append(s.form < 0 ? " broken" : "").append(" at ").append(std::to_string(s.at.line));
    statements.push_back(shown);
  }
};

TEST_F(LoadReporting, EveryReportIsPlacedAndLoadingGoesOn) {
  const std::string text =
      "button(early |x| 1 2 3 4 black white lgray press 1 1 0 C)\n"
      "window(main 0 0 640 480 black whte black 1 1 0)\n"
      "  label(1 2 black fine)\n"
      "button(" +
      std::string(32, 'b') +
      " |B| 1 2 3 4 black white lgray drag 1 1 0 C)\n"
      "msg(note |open\n"
      ")\n"
      "field(f 1 2 3 4 black)\n";
  Collected sink;
  vx::setcolorcount(16);
  vx::loaddescriptiontext(text.data(), text.size(), sink, "f.inf");
  const std::string bs(32, 'b');
  // In the order they are found: a statement that fits none of its forms as it is read,
  // the rest as the statements act, a statement's values before what it does with them.
  std::vector<std::string> expected = {
      "f.inf: error 3:19 value 4 of label (text) must be a |text|; found the name 'fine'",
      "f.inf: error 1:1 No active window for line.\n",
      "f.inf: error 2:31 convertcolor: color alias not found.\n\tAlias = |whte|\n",
      "f.inf: error 4:71 Function |drag| is used as a name (button or popup item) callback, but "
      "its "
      "table entry holds a drag callback.\n",
      "f.inf: warning 4:8 Name too long: |" + bs + "|\n",
  };
  EXPECT_EQ(sink.reports, expected);
  // The statements as they are read, before any acts; the line of a statement after an
  // unclosed text is the file's.
  std::vector<std::string> read = {"button at 1", "window at 2", "label broken at 3",
                                   "button at 4", "msg at 5",    "field at 7"};
  EXPECT_EQ(sink.statements, read);
  // What could be loaded is, with what could not be found left out.
  ASSERT_EQ(model.nwindows, 1);
  EXPECT_EQ(model.Win[0].bgcolor, 0);
  ASSERT_EQ(model.Win[0].nbuttons, 1);
  EXPECT_EQ(model.Win[0].wb[0].callback, nullptr);
  EXPECT_EQ(model.Win[0].ngraphics, 0);
  ASSERT_EQ(model.nfields, 1);
  EXPECT_STREQ(model.messages[0].text, "open");
  EXPECT_FALSE(std::filesystem::exists("error.log"));
  // The same file ends an application at its first error, byte for byte as ever: the
  // statements are all read before any acts.
  const char* first = "Error on line: 2.\nLine: |  label(1 2 black fine)|\nMessage: parse error.\n";
  EXPECT_FATAL(vx::loaddescriptiontext(text.data(), text.size()), first, vxtest::banner() + first);
}

TEST_F(LoadReporting, AStatementThatFitsNoFormIsReadAgainToSayWhy) {
  struct Case {
    const char* text;
    const char* report;
  } const cases[] = {
      {"windw(w 0 0 1 1 black white black 1 1 0)", "f.inf: error 1:1 unknown statement 'windw'"},
      {"; field(a 1 2 3 4 black)", "f.inf: error 1:1 expected a statement, found ';'"},
      {"rect 1 2 3 4 black 1 fill)",
       "f.inf: error 1:6 expected '(' after rect, found the number 1"},
      {"line(1 2 3 4 1 black = )", "f.inf: error 1:22 unexpected '=' in line"},
      {"speedup(1 2)", "f.inf: error 1:11 speedup takes 1 values; this one has 2"},
      {"field(label 1 2 3 4 black)",
       "f.inf: error 1:7 value 1 of field (name) must be a name; found the statement word 'label', "
       "which cannot be a name"},
      {"msg(a |b|\nfield(c 1 2 3 4 black)", "f.inf: error 1:10 unclosed ( opened on line 1"},
      {"\n# nothing\n", "f.inf: error 2:10 the file holds no statement"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Collected sink;
    std::string text = c.text;
    vx::loaddescriptiontext(text.data(), text.size(), sink, "f.inf");
    ASSERT_FALSE(sink.reports.empty());
    EXPECT_EQ(sink.reports[0], c.report);
  }
  // A colour or alias whose statement is broken is still known: its uses say nothing more.
  Collected sink;
  std::string text = "(sky 1 2)\nalias(ink sky 3)\nfield(f 1 2 3 4 sky)\nfield(g 1 2 3 4 ink)\n";
  vx::loaddescriptiontext(text.data(), text.size(), sink, "f.inf");
  EXPECT_EQ(sink.reports.size(), 2u);
  EXPECT_EQ(model.fields[1].color, 8);
}

}  // namespace
