// The version line: the first line of a version file that begins with "Version", read
// once and written at the field "VERSION" of the window "root" on every call.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "core/files.h"
#include "model/getname.h"
#include "model/model.h"
#include "ops/messages.h"
#include "ops/state.h"
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

namespace {

void readversion(const char* file) {
  std::FILE* in = vx::openreadable(file, "r");
  if (in == nullptr) {
    VXerror(0, "Can't open version file |%s|\n", file != nullptr ? file : "");
    return;
  }
  char line[sizeof vx::ops.versionline];
  while (std::fgets(line, sizeof line, in) != nullptr) {
    if (std::strncmp(line, "Version", 7) == 0) {
      std::memcpy(vx::ops.versionline, line, sizeof line);
      break;
    }
  }
  std::fclose(in);
}

}  // namespace

int VXversion(const char* file) {
  if (vx::ops.versionline[0] == '\0') readversion(file);
  if (vx::ops.versionline[0] == '\0') return 0;
  vx::KeepCurrentWindow keptwindow;
  vx::KeepDrawState kept;
  int left = 0, top = 0;
  unsigned char fieldcolor = 0;
  VXgetfieldinfo("VERSION", &left, &top, nullptr, nullptr, &fieldcolor);
  VXselectwindow("root");
  VXPsetfont(vx::FONT_NORMAL);
  VXPsetcolor(fieldcolor);
  // The text's top at the field's top.
  VXwwritetext(left, static_cast<int>(std::min<long long>(top + 0LL + VXPascent(), INT_MAX)),
               vx::ops.versionline);
  return 1;
}
