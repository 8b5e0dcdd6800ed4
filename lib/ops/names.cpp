// Look-ups that report nothing: message texts, colours and the current window.
#include <cstring>

#include "model/colors.h"
#include "ops/lookup.h"
#include "render/windows.h"
#include "vx.h"

using namespace vx;

const char* VXgetmsgtext(const char* message) {
  int m = getname(model.messages, model.nmessages, message);
  return m >= 0 ? model.messages[m].text : "";
}

unsigned char VXgetcolor(const char* color) {
  Color index = 0;
  if (findcolor(color, &index)) return index;
  // An alias whose colour is missing still names something; anything else does not.
  for (int a = 0; a < aliascount(); a++)
    if (samename(aliasname(a), color)) return 15;
  return 255;
}

const char* VXgetcurrentwindowname(void) {
  int w = currentwindowindex();
  return w >= 0 && w < model.nwindows ? model.Win[w].name : "";
}

char* VXgetcurrentwindow(char* buffer) {
  // The caller's buffer must hold the name and its end, as for any string copy.
  const char* name = VXgetcurrentwindowname();
  if (buffer != nullptr) std::memcpy(buffer, name, std::strlen(name) + 1);
  return buffer;
}
