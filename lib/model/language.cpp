// The description language's statements.
#include "model/language.h"

#include <array>

#include "model/scanner.h"
#include "model/statements.h"

namespace vx {

namespace {

namespace sc = scanner;

void nothing(Statement&) {}

constexpr Grammar LANGUAGE[] = {
    {"palette", sc::PALETTE, 0, false, {}, nothing},
    {"end", sc::END, 0, false, {}, nothing},
    // The form with an index is read, and refused when it is acted on.
    {nullptr,
     '(',
     0,
     false,
     {{"niii", "name red green blue"}, {"niiii", "name index red green blue"}},
     paletteentrystatement},
    {"alias", sc::ALIAS, 0, false, {{"nn", "alias colour"}}, aliasstatement},
    {"highlight", sc::HIGHLIGHT, 0, false, {{"c", "colour"}}, highlightstatement},
    {"speedup", sc::SPEEDUP, 0, false, {{"i", "n"}}, speedupstatement},
    {"colorlist",
     sc::COLORLIST,
     0,
     false,
     {{"lllll", "colour colour colour colour colour"}},
     colorliststatement},
    {"buttonstuff",
     sc::BUTTONSTUFF,
     0,
     false,
     {{"cicc", "frame crossout light dark"}},
     buttonstuffstatement},
    {"CANCEL", sc::CANCEL, 0, true, {{"nnnn", "name name name name"}}, nothing},
    {"function",
     sc::FUNCTION,
     0,
     false,
     {{"eii", "name value flag"}, {"eiii", "name value flag value"}},
     functionstatement},
    {"redrawfunc", sc::REDRAWFUNC, 0, false, {{"r", "name"}}, redrawfuncstatement},
    {"msg", sc::MSG, 0, false, {{"nt", "name text"}}, msgstatement},
    {"popup",
     sc::POPUP,
     0,
     false,
     {{"niicccci", "name left top enabled disabled background border checklist"},
      {"niiccccip", "name left top background enabled disabled border checklist function"}},
     popupstatement},
    {"plabel",
     sc::PLABEL,
     0,
     false,
     {{"nibt", "name state function text"}, {"nibti", "name state function text checked"}},
     plabelstatement},
    {"window",
     sc::WINDOW,
     0,
     false,
     {{"niiiiccciii",
       "name left top width height foreground background border borderwidth level store"}},
     windowstatement},
    {"button",
     sc::BUTTON,
     1,
     false,
     {{"ntiiiicccbiiiw",
       "name text left top width height active inactive face function shaded state repeat "
       "justification"}},
     buttonstatement},
    {"buttons",
     sc::BUTTON,
     0,
     false,
     {{"ntiiiicccbiiiw",
       "name text left top width height active inactive face function shaded state repeat "
       "justification"}},
     buttonstatement},
    {"dragarea",
     sc::DRAGAREA,
     0,
     false,
     {{"niiiicdi", "name left top width height face function state"}},
     dragareastatement},
    {"label",
     sc::LABEL,
     1,
     false,
     {{"iict", "x y colour text"}, {"iictc", "x y colour text shadow"}},
     labelstatement},
    {"labels",
     sc::LABEL,
     0,
     false,
     {{"iict", "x y colour text"}, {"iictc", "x y colour text shadow"}},
     labelstatement},
    {"rect",
     sc::RECT,
     0,
     false,
     {{"iiiiciw", "left top width height colour style fill"}},
     rectstatement},
    {"line", sc::LINE, 0, false, {{"iiiiic", "x1 y1 x2 y2 style colour"}}, linestatement},
    {"field",
     sc::FIELD,
     0,
     false,
     {{"niiiic", "name left top width height colour"}},
     fieldstatement},
};

// The rows of each token that begins a statement, by the token's number: the variant.
constexpr int CODES = sc::TEXT + 1;
constexpr std::array<std::array<const Grammar*, 2>, CODES> BYTOKEN = [] {
  std::array<std::array<const Grammar*, 2>, CODES> table{};
  for (const Grammar& g : LANGUAGE) table[static_cast<std::size_t>(g.token)][g.variant] = &g;
  return table;
}();

}  // namespace

std::string_view Form::name(int k) const {
  std::string_view all = names;
  for (; k > 0; k--) all.remove_prefix(all.find(' ') + 1);
  return all.substr(0, all.find(' '));
}

std::span<const Grammar> language() { return LANGUAGE; }

const Grammar* grammarfor(int token, int number) {
  if (token < 0 || token >= CODES) return nullptr;
  const auto& rows = BYTOKEN[static_cast<std::size_t>(token)];
  return rows[number == 1 ? 1 : 0] != nullptr ? rows[number == 1 ? 1 : 0] : rows[0];
}

}  // namespace vx
