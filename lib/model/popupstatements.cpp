// Statements that add popup menus and their items.
#include <algorithm>

#include "core/log.h"
#include "model/load.h"
#include "model/scanner.h"
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
    if (counts.npopups == MAXPOPUPS) fatal("Too many popup menus declared in interface file\n");
    counts.items[static_cast<std::size_t>(counts.npopups++)] = 0;
    return;
  }
  FillIndexes& at = fillindexes();
  Popup& p = model.Popups[nextslot(at.popup, model.npopups)];
  at.item = -1;
  Value* v = s.values;
  if (toolong(v[0].text)) VXerror(0, "Name too long: |%s|.\n", v[0].text);
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
  Value* v = s.values;
  // An item needs a popup to belong to; say so with the line it stands on.
  if (p == nullptr) scanner::erroronline("plabel before the first popup statement");
  PopupItem& item = p->item[nextslot(fillindexes().item, p->nitems)];
  item.name = keeptext(v[0]);
  item.active = v[1].number;
  item.callback = v[2].entry;
  item.label = keeptext(v[3]);
  item.checked = s.form == 1 ? v[4].number : 0;
  p->width = std::max(p->width, itemwidth(*p, item.label));
}

}  // namespace vx
