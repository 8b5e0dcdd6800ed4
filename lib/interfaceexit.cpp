// The program's end: normal (status 0) or with a message (fatal).
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "core/log.h"
#include "render/platform/platform.h"
#include "vx.h"

extern "C" void VXinterfaceexit(const char* format, ...) {
  VXPstopdevice();
  if (format != nullptr) {
    char text[256];  // longer texts are cut to 255 characters
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    vx::fatal("%s", text);
  }
  // A screenshot that was asked for and not written is a failed run.
  int status = VXPclose() != 0 ? 0 : -1;
  std::fflush(stdout);
  std::exit(status);
}
