// Joining the layers.
#include "layers.h"

#include "model/load.h"
#include "model/model.h"
#include "ops/messages.h"
#include "render/platform/platform.h"
#include "render/popups.h"

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
}

}  // namespace vx
