// The language table: the scanner's keywords and the editors' grammars come from it.
#include "model/language.h"

#include <set>
#include <string>
#include <vector>

#include "model/scanner.h"
#include "support/fixture.h"

namespace {

namespace sc = vx::scanner;

class Language : public vxtest::VxTest {};

std::set<std::string> tablewords() {
  std::set<std::string> words;
  for (const vx::Grammar& g : vx::language())
    if (g.word != nullptr) words.insert(g.word);
  return words;
}

// The words of each alternation in `text` that opens with `open` and runs to `close`,
// with `separator` between them: the statement words of an editor's grammar.
std::vector<std::set<std::string>> alternations(const std::string& text, const std::string& open,
                                                const std::string& separator,
                                                const std::string& close) {
  std::vector<std::set<std::string>> all;
  for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
    at += open.size();
    std::string group = text.substr(at, text.find(close, at) - at);
    // Only the alternations of statement words: the colours' are another list.
    if (group.find("palette") == std::string::npos) continue;
    std::set<std::string>& words = all.emplace_back();
    for (std::size_t from = 0;;) {
      std::size_t end = group.find(separator, from);
      words.insert(group.substr(from, end - from));
      if (end == std::string::npos) break;
      from = end + separator.size();
    }
  }
  return all;
}

TEST_F(Language, EveryWordIsAKeywordInAnyCaseButCancel) {
  for (const vx::Grammar& g : vx::language()) {
    if (g.word == nullptr) continue;
    std::string upper = g.word;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const std::string& spelling : {std::string(g.word), upper}) {
      sc::start(spelling.data(), spelling.size());
      sc::TokenValue value;
      EXPECT_EQ(sc::next(value), g.token) << spelling;
      EXPECT_EQ(value.number, g.variant) << spelling;
      EXPECT_EQ(vx::grammarfor(g.token, value.number), &g) << spelling;
    }
  }
  std::string lower = "cancel";
  sc::start(lower.data(), lower.size());
  sc::TokenValue value;
  EXPECT_EQ(sc::next(value), sc::NAME);
}

TEST_F(Language, TheEditorsGrammarsNameExactlyTheStatementWords) {
  std::set<std::string> words = tablewords();
  ASSERT_EQ(words.erase("CANCEL"), 1u);
  const std::string editors = std::string(VX_DATA) + "/../../editors/";
  struct Grammar {
    const char* file;
    const char* open;
    const char* separator;
    const char* close;
    const char* cancel;  // CANCEL, matched in capitals only
  } const grammars[] = {
      {"vim/syntax/vxinf.vim", "\\c\\%(", "\\|", "\\)", "/CANCEL["},
      {"vim/ftdetect/vxinf.vim", "\\c\\%(", "\\|", "\\)", nullptr},
      {"textmate/vxinf.tmLanguage.json", "(?i:", "|", ")", "|CANCEL(?!"},
  };
  for (const Grammar& g : grammars) {
    SCOPED_TRACE(g.file);
    std::string text = vxtest::readfile(editors + g.file);
    ASSERT_FALSE(text.empty());
    std::vector<std::set<std::string>> found = alternations(text, g.open, g.separator, g.close);
    EXPECT_FALSE(found.empty());
    for (const std::set<std::string>& alternation : found) EXPECT_EQ(alternation, words);
    if (g.cancel != nullptr) {
      EXPECT_NE(text.find(g.cancel), std::string::npos);
    }
  }
}

}  // namespace
