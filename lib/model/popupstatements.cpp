// Statements that add popup menus and their items.
#include <algorithm>
#include <string>

#include "model/load.h"
#include "model/reports.h"
#include "model/statements.h"

namespace vx {

namespace {

// Items are as wide as their label in the bold font, plus room for the check mark.
int itemwidth(const Popup& p, const char* label) {
  int width = boldwidth(label) + 10;
  return p.checklist != 0 ? width + 10 : width;
}

}  // namespace

void popupstatement(Statement& s) {
  ModelCounts& counts = statementcounts();
  if (s.pass == Pass::COUNTING) {
    if (counts.npopups == MAXPOPUPS) refuse(WHOLE, reports::TOOMANYPOPUPS);
    counts.items[static_cast<std::size_t>(counts.npopups++)] = 0;
    return;
  }
  auto& filled = loading().filled;
  Popup& p = model.Popups[nextslot(filled.popup, model.npopups)];
  filled.item = -1;
  const Value* v = s.values;
  if (toolong(v[0].text)) warn(0, reports::NAMETOOLONG, std::string(v[0].text).c_str());
  p.name = keeptext(v[0]);
  p.left = v[1].number;
  p.top = v[2].number;
  // The form with a dismissal function lists the background first.
  if (s.form == 0) {
    p.enabledcolor = v[3].color;
    p.disabledcolor = v[4].color;
    p.bgcolor = v[5].color;
  } else {
    p.bgcolor = v[3].color;
    p.enabledcolor = v[4].color;
    p.disabledcolor = v[5].color;
  }
  p.bordercolor = v[6].color;
  p.checklist = v[7].number;
  p.callback = s.form == 1 ? v[8].entry : nullptr;
  p.active = 0;
  p.width = 0;
}

void plabelstatement(Statement& s) {
  ModelCounts& counts = statementcounts();
  if (s.pass == Pass::COUNTING) {
    if (counts.npopups > 0) counts.items[static_cast<std::size_t>(counts.npopups - 1)]++;
    return;
  }
  Popup* p = currentpopup();
  const Value* v = s.values;
  // An item needs a popup to belong to; say so with the line it stands on.
  if (p == nullptr) refuseonline(reports::NOPOPUPYET);
  PopupItem& item = p->item[nextslot(loading().filled.item, p->nitems)];
  item.name = keeptext(v[0]);
  item.active = v[1].number;
  item.callback = v[2].entry;
  item.label = keeptext(v[3]);
  item.checked = s.form == 1 ? v[4].number : 0;
  p->width = std::max(p->width, itemwidth(*p, item.label));
}

}  // namespace vx
