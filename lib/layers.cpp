// Joining the layers.
#include "layers.h"

#include "events/close.h"
#include "events/state.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/model.h"
#include "model/state.h"
#include "ops/messages.h"
#include "ops/state.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"

namespace vx {

namespace {

int measurebold(const char* text) {
  int font = VXPgetfont();
  VXPsetfont(FONT_BOLD);
  int width = VXPtextwidth(text);
  VXPsetfont(font);
  return width;
}

}  // namespace

void connectlayers() {
  setboldwidth(measurebold);
  setpopupmessage(remembermessage, showremembered);
  VXPsetdrawlevel(drawinglevel);
  VXPsetquithandler(closeasked);
}

void resetlayers() {
  resetmodel();
  resetrenderstate();
  resetevents();
  resetops();
}

}  // namespace vx
