// Name comparison and the look-up's fatal miss.
#include "model/getname.h"

#include "core/log.h"

namespace vx {

namespace {

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool samename(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  for (; fold(*a) == fold(*b); a++, b++)
    if (*a == '\0') return true;
  return false;
}

void notfound(const char* kind, const char* name) {
  fatal("getname: Couldn't find |%s| named |%s|\n", kind, name != nullptr ? name : "");
}

}  // namespace vx
