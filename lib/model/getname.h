// The one look-up of named objects: linear, case-insensitive, first match wins.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// True when the names agree after folding "A" to "Z" to lower case; a null name agrees
// with nothing.
bool samename(std::string_view a, std::string_view b);
bool samename(const char* a, std::string_view b);
bool samename(const char* a, const char* b);

// Names, compared as samename compares them, to the number of the first of each: open
// addressed by a hash of the folded name, so that finding one costs the same however
// many there are. The names' characters must outlive the index.
class NameIndex {
 public:
  // The number of the name, or -1.
  int find(std::string_view name) const;
  // Adds the name with its number unless it is there: the number of the first either way.
  int insert(std::string_view name, int number);
  void clear();

 private:
  struct Slot {
    const char* name;  // null: free
    std::uint32_t length;
    std::uint32_t hash;
    int number;
  };
  // The slot that holds the name, or the free one where it would go.
  std::size_t slotof(std::string_view name, std::uint32_t hash) const;

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

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
