// Escapes in button labels.
#include "model/labelescapes.h"

#include <cstring>

namespace vx {

namespace {

void removeat(char* text) { std::memmove(text, text + 1, std::strlen(text)); }

}  // namespace

int removeescapes(char* label) {
  int arrow = 0;
  for (char* at = label; *at != '\0'; at++) {
    if (*at != '\\') continue;
    removeat(at);
    if (*at == '<' || *at == '>' || *at == '^' || *at == 'v') {
      arrow = static_cast<unsigned char>(*at);
      removeat(at);
    }
    // Whatever moved into this place is kept as it is, even another backslash.
    if (*at == '\0') break;
  }
  return arrow;
}

}  // namespace vx
