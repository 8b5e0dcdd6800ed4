// The one look-up of named objects: linear, case-insensitive, first match wins.
#pragma once

#include <string_view>

namespace vx {

// True when the names agree after folding "A" to "Z" to lower case; a null name agrees
// with nothing.
bool samename(std::string_view a, std::string_view b);
bool samename(const char* a, std::string_view b);
bool samename(const char* a, const char* b);

// The fatal report of a kinded look-up that found nothing.
[[noreturn]] void notfound(const char* kind, const char* name);

// Index of the first record whose name matches, in table order. Without a kind word
// a miss returns -1; with one ("window", "button", "popup", "item", "menu item",
// "field", "message", "function") a miss is fatal.
template <class Record>
int getname(const Record* table, int count, const char* name, const char* kind = nullptr) {
  for (int i = 0; i < count; i++)
    if (samename(table[i].name, name)) return i;
  if (kind != nullptr) notfound(kind, name);
  return -1;
}

template <class Record>
int getname(const Record* table, int count, std::string_view name) {
  for (int i = 0; i < count; i++)
    if (samename(table[i].name, name)) return i;
  return -1;
}

}  // namespace vx
