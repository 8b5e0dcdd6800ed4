// The message window, which shows one numbered message of three lines at a time, and the
// alert window, shown modally with any number of named messages.
#include "ops/messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "model/model.h"
#include "ops/state.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

namespace vx {

namespace {

// The three lines of a message number: "hm" and 10 n, 10 n + 1, 10 n + 2.
constexpr int MESSAGELINES[] = {12, 22, 32};

Color foreground() {
  const Window* win = currentwindowrecord();
  return win != nullptr ? win->fgcolor : Color{0};
}

void showmessage(int number) {
  VXredrawwindow("message");
  VXPsetfont(FONT_BOLD);
  VXPsetcolor(foreground());
  for (int line = 0; line < 3; line++) {
    char name[32];
    std::snprintf(name, sizeof name, "hm%lld", 10LL * number + line);
    VXwwritemsg(25, MESSAGELINES[line], name);
  }
}

}  // namespace

void remembermessage() { ops.rememberedmessage = ops.currentmessage; }

void showremembered() { VXmessage(ops.rememberedmessage); }

void clearalertshown() { ops.alertshown = false; }

}  // namespace vx

using namespace vx;

void VXmessage(int n) {
  if (n == ops.currentmessage) return;
  KeepCurrentWindow keptwindow;
  KeepDrawState kept;
  int number;
  if (n == -2) {
    number = ops.previousmessage;
    ops.currentmessage = number;
  } else if (n == -1) {
    number = ops.currentmessage;
  } else {
    ops.previousmessage = ops.currentmessage;
    ops.currentmessage = n;
    number = n;
  }
  if (number > 0) showmessage(number);
}

void VXvalert(int n, int store, va_list names) {
  KeepDrawState kept;
  VXmessage(n);
  if (ops.alertshown) {
    VXredrawwindow("alert");
  } else {
    VXPbeep();
    VXshowwindow("alert", store, 1);
    ops.alertshown = true;
  }
  VXPsetfont(FONT_BOLD);
  VXPsetcolor(foreground());
  // The list ends with an empty name (or a null one).
  int y = 15;
  for (const char* name = va_arg(names, const char*); name != nullptr && *name != '\0';
       name = va_arg(names, const char*)) {
    VXwwritetext(6, y, VXgetmsgtext(name));
    y += 15;
  }
}

void VXalert(int n, int store, ...) {
  va_list names;
  va_start(names, store);
  VXvalert(n, store, names);
  va_end(names);
}
