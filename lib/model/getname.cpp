// Name comparison and the look-up's fatal miss.
#include "model/getname.h"

#include "core/log.h"
#include "model/reports.h"

namespace vx {

namespace {

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool samename(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); i++)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

bool samename(const char* a, std::string_view b) {
  return a != nullptr && samename(std::string_view(a), b);
}

bool samename(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  for (; fold(*a) == fold(*b); a++, b++)
    if (*a == '\0') return true;
  return false;
}

void notfound(const char* kind, const char* name) {
  fatal(reports::NOTFOUND, kind, name != nullptr ? name : "");
}

}  // namespace vx
