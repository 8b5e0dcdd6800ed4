// Name comparison and the look-up's fatal miss.
#include "model/getname.h"

#include <cstdint>

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

namespace {

std::uint32_t foldedhash(std::string_view name) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(fold(c))) * 16777619u;
  return hash;
}

}  // namespace

std::size_t NameIndex::slotof(std::string_view name, std::uint32_t hash) const {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.name == nullptr ||
        (slot.hash == hash && samename(std::string_view(slot.name, slot.length), name)))
      return at;
  }
}

int NameIndex::find(std::string_view name) const {
  if (slots_.empty()) return -1;
  const Slot& slot = slots_[slotof(name, foldedhash(name))];
  return slot.name != nullptr ? slot.number : -1;
}

int NameIndex::insert(std::string_view name, int number) {
  // At most half full, so that a search ends soon after it starts.
  if (2 * (used_ + 1) > slots_.size()) {
    std::vector<Slot> old(slots_.size() < 16 ? 16 : 2 * slots_.size(), Slot{});
    old.swap(slots_);
    for (const Slot& slot : old)
      if (slot.name != nullptr) slots_[slotof({slot.name, slot.length}, slot.hash)] = slot;
  }
  std::uint32_t hash = foldedhash(name);
  Slot& slot = slots_[slotof(name, hash)];
  if (slot.name != nullptr) return slot.number;
  slot = {name.data() != nullptr ? name.data() : "", static_cast<std::uint32_t>(name.size()), hash,
          number};
  used_++;
  return number;
}

void NameIndex::clear() {
  slots_.clear();
  used_ = 0;
}

void notfound(const char* kind, const char* name) {
  fatal(reports::NOTFOUND, kind, name != nullptr ? name : "");
}

}  // namespace vx
