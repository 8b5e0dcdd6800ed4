// Counters shared by the statement actions of both passes.
#include "model/statements.h"

#include <cstring>

#include "core/log.h"

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
  char* text = value.text;
  value.text = nullptr;
  return text;
}

bool toolong(const char* name) { return std::strlen(name) > 31; }

}  // namespace vx
