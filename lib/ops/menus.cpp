// Opening popup menus and changing their items by name.
#include "core/log.h"
#include "events/state.h"
#include "ops/lookup.h"
#include "ops/messages.h"
#include "render/popups.h"
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
