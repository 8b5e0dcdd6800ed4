// The help viewer: a text file shown page by page in the window "help", whose buttons
// "helpnext" and "helpprev" turn the pages. The file is read from its start for every
// page; only the page counter lasts between calls.
#include <cstdio>
#include <cstring>

#include "core/files.h"
#include "model/model.h"
#include "ops/messages.h"
#include "ops/state.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

namespace {

constexpr int PAGELINES = 25;
constexpr int FORMFEED = 12;
// A line is read 80 characters at a time; a longer one goes on as the next line.
constexpr int LINECHARS = 80;

// Reads one line (or 80 characters of one); false at the end of the file. Whatever the
// bytes, the line is a string, and what is not printable is drawn as a blank: a NUL
// byte too, which would otherwise end the line early and hide a form feed after it.
bool readline(std::FILE* file, char (&line)[LINECHARS + 1], bool* pageends) {
  int n = 0;
  int c = 0;
  while (n < LINECHARS && (c = std::getc(file)) != EOF) {
    line[n++] = c == '\0' ? ' ' : static_cast<char>(c);
    if (c == '\n') break;
  }
  line[n] = '\0';
  if (n == 0) return false;
  *pageends = std::memchr(line, FORMFEED, static_cast<std::size_t>(n)) != nullptr;
  return true;
}

void setbuttons(bool next, bool previous) {
  if (next) {
    VXenablebutton("help", "helpnext", 1);
  } else {
    VXdisablebutton("help", "helpnext", 1);
  }
  if (previous) {
    VXenablebutton("help", "helpprev", 1);
  } else {
    VXdisablebutton("help", "helpprev", 1);
  }
}

void helpcolors() {
  VXPsetfont(vx::FONT_NORMAL);
  const vx::Window* win = vx::currentwindowrecord();
  VXPsetcolor(win != nullptr ? win->fgcolor : 0);
}

}  // namespace

int VXhelp(const char* file, int mode, int store, int message) {
  vx::KeepDrawState kept;
  VXmessage(message);
  switch (mode) {
    case 0:
      VXshowwindow("help", store, 1);
      vx::ops.helppage = 0;
      break;
    case 1: VXredrawwindow("help"); break;
    case 2:
      vx::ops.helppage = vx::ops.helppage >= 2 ? vx::ops.helppage - 2 : 0;
      VXredrawwindow("help");
      break;
    case 3:
      vx::ops.helppage = vx::ops.helppage >= 1 ? vx::ops.helppage - 1 : 0;
      VXredrawwindow("help");
      break;
    default: break;
  }
  std::FILE* in = vx::openreadable(file, "r");
  int shown = 0;
  if (in != nullptr) {
    char line[LINECHARS + 1];
    bool pageends = false;
    // The pages before this one; past the end of the file there is nothing to skip.
    bool ended = false;
    for (int skipped = 0; skipped < vx::ops.helppage && !ended; skipped++) {
      for (int row = 0; row < PAGELINES; row++) {
        if (!readline(in, line, &pageends)) {
          ended = true;
          break;
        }
        if (pageends) break;
      }
    }
    helpcolors();
    int row = 0;
    pageends = false;
    for (; row < PAGELINES && !pageends && readline(in, line, &pageends); row++)
      VXwwritetext(15, 13 * row + 13, line);
    // A page that ended after its last line looks one character ahead; one ended by a
    // form feed or by the file does not.
    bool more = false;
    if (row == PAGELINES && !pageends) {
      int c = std::getc(in);
      more = c != EOF;
      if (more) std::ungetc(c, in);
    } else {
      more = pageends;
    }
    if (!more && vx::ops.helppage == 0) {
      VXhidebutton("help", "helpnext", 1);
      VXhidebutton("help", "helpprev", 1);
    } else if (more) {
      setbuttons(true, vx::ops.helppage != 0);
    } else {
      setbuttons(false, true);
    }
    vx::ops.helppage++;
    std::fclose(in);
    shown = 1;
  } else {
    setbuttons(false, false);
    helpcolors();
    VXwwritetext(15, 13, "Unable to open this help file");
  }
  return shown;
}
