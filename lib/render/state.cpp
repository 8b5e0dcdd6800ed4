// Library-wide rendering state.
#include "render/state.h"

#include "render/popups.h"
#include "render/stores.h"
#include "render/windows.h"

namespace vx {

int shownlevel = 1;
int openedpopup = -1;
int bstoreswitch = 0;

void resetrenderstate() {
  shownlevel = 1;
  openedpopup = -1;
  bstoreswitch = 0;
  resetcurrentwindow();
  resetpopupstate();
  freestores();
}

}  // namespace vx
