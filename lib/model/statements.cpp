// Counters shared by the statement actions of both passes.
#include "model/statements.h"

#include <cstring>
#include <new>

#include "core/log.h"
#include "model/reports.h"

namespace vx {

ModelCounts& statementcounts() { return modelstate.loading.counts; }

LoadState& loading() { return modelstate.loading; }

int nextslot(int& last, int count) {
  // Both passes read the same statements, so this only trips if the counting went wrong.
  if (last + 1 >= count) fatal(reports::MISCOUNTED);
  return ++last;
}

Window* currentwindow() {
  int w = loading().filled.window;
  return w >= 0 ? &model.Win[w] : nullptr;
}

Popup* currentpopup() {
  int p = loading().filled.popup;
  return p >= 0 ? &model.Popups[p] : nullptr;
}

char* keeptext(const Value& value) {
  char* text = new (std::nothrow) char[value.text.size() + 1];
  if (text == nullptr) {
    const LoadState& l = loading();
    fatal(reports::NOMEMORYONLINE, l.statements[l.acting].line);
  }
  std::memcpy(text, value.text.data(), value.text.size());
  text[value.text.size()] = '\0';
  return text;
}

bool toolong(std::string_view name) { return name.size() > 31; }

}  // namespace vx
