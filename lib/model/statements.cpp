// Counters shared by the statement actions of both passes.
#include "model/statements.h"

#include <cstring>
#include <new>

#include "core/log.h"
#include "model/scanner.h"

namespace vx {

namespace {

ModelCounts counts;
FillIndexes indexes;

}  // namespace

void beginstatements(Pass pass) {
  if (pass == Pass::COUNTING) counts = ModelCounts{};
  indexes = FillIndexes{-1, -1, -1, -1, -1, -1, -1, -1};
}

ModelCounts& statementcounts() { return counts; }
FillIndexes& fillindexes() { return indexes; }

int nextslot(int& last, int count) {
  // Both passes read the same text, so this only trips if the counting went wrong.
  if (last + 1 >= count) fatal("Interface file records do not match their count.\n");
  return ++last;
}

Window* currentwindow() { return indexes.window >= 0 ? &model.Win[indexes.window] : nullptr; }

Popup* currentpopup() { return indexes.popup >= 0 ? &model.Popups[indexes.popup] : nullptr; }

char* keeptext(Value& value) {
  if (value.text == nullptr) return nullptr;
  std::size_t size = std::strlen(value.text) + 1;
  char* text = new (std::nothrow) char[size];
  if (text == nullptr)
    fatal("Out of memory for a name or text on line %d.\n", scanner::linenumber());
  std::memcpy(text, value.text, size);
  return text;
}

bool toolong(const char* name) { return std::strlen(name) > 31; }

}  // namespace vx
