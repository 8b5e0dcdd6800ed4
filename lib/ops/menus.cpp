// Opening popup menus, and reading and changing their items by name.
#include "core/log.h"
#include "events/state.h"
#include "ops/lookup.h"
#include "ops/messages.h"
#include "render/popups.h"
#include "render/state.h"
#include "vx.h"

using namespace vx;

void VXopenpopup(const char* popup) {
  int p = findpopup(popup);
  remembermessage();
  openpopup(p);
}

int VXgetmenuitemindex(const char* popup, const char* item) {
  const Popup& p = model.Popups[findpopup(popup)];
  return getname(p.item, p.nitems, item, "menu item");
}

const char* VXgetmenuitemname(const char* popup, int index) {
  const Popup& p = model.Popups[findpopup(popup)];
  if (index < 0 || index >= p.nitems) return nullptr;
  return p.item[index].name;
}

int VXgetiteminfo(const char* popup, const char* item, int* state, int* checked) {
  // A question, not an order: a name that is not there is an answer.
  if (popup == nullptr || item == nullptr) return 0;
  int p = getname(model.Popups, model.npopups, popup);
  if (p < 0) return 0;
  const Popup& menu = model.Popups[p];
  int i = getname(menu.item, menu.nitems, item);
  if (i < 0) return 0;
  put(state, menu.item[i].active);
  put(checked, menu.item[i].checked);
  return 1;
}

const char* VXgetopenpopup(void) {
  int p = render.openedpopup;
  return p >= 0 && p < model.npopups ? model.Popups[p].name : nullptr;
}

void VXenablemenuitem(const char* popup, const char* item) {
  if (item == nullptr) vx::fatal("Error: no name given to 'VXenablemenuitem'.\n");
  finditem(popup, item, "item").active = 1;
}

void VXdisablemenuitem(const char* popup, const char* item) {
  if (item == nullptr) vx::fatal("Error: no name given to 'VXdisablemenuitem'.\n");
  finditem(popup, item, "item").active = 0;
}

void VXshowmenuitem(const char* popup, const char* item) {
  finditem(popup, item, "item").active = 1;
}

void VXhidemenuitem(const char* popup, const char* item) {
  finditem(popup, item, "item").active = -1;
}

void VXtogglemenuitemcheck(const char* popup, const char* item) {
  int p = findpopup(popup);
  Popup& menu = model.Popups[p];
  int k = getname(menu.item, menu.nitems, item, "menu item");
  toggleitemcheck(p, k, menu.bgcolor, events.pointery);
}
