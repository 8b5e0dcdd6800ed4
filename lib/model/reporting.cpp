// The loader's reports about the statement acting: fatal in an application, to the
// sink in the reporting mode.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/log.h"
#include "model/callbacks.h"
#include "model/colors.h"
#include "model/getname.h"
#include "model/language.h"
#include "model/load.h"
#include "model/reports.h"
#include "model/scanner.h"
#include "model/statements.h"

namespace vx {

namespace {

__attribute__((format(printf, 1, 0))) std::string formatted(const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  int size = std::vsnprintf(nullptr, 0, format, args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

// Where value `at` of the statement acting (a text's bar), or the WHOLE statement, begins
// in the text.
std::size_t textoffset(int at) {
  const LoadState& l = loading();
  const RecordedStatement& r = l.statements[l.acting];
  if (at == WHOLE) return r.start;
  const ValueToken& v = l.values[r.first + static_cast<std::uint32_t>(at)];
  auto offset = static_cast<std::size_t>(v.text - modelstate.scanner.input);
  return r.grammar->forms[r.form].kinds[at] == kind::TEXT ? offset - 1 : offset;
}

void tosink(bool error, int at, const std::string& text, const char* format,
            std::string_view subject = {}, const char* kind = nullptr) {
  const LoadState& l = loading();
  // The places are found again from where the statement begins.
  Place place = scanner::placefrom(l.starts[l.acting], textoffset(at));
  l.sink->report(
      {error, l.file, place, text, format, subject, kind, l.statements[l.acting].grammar});
}

// In an application, where the fatal report that follows stands, for its line on
// standard error.
void failat(int at, const char* message = nullptr) {
  LoadState& l = loading();
  // Tests call a statement's parts with no statement acting.
  if (l.acting < l.statements.size()) l.failedat = textoffset(at);
  l.failedmessage = message;
}

}  // namespace

bool reporting() { return loading().sink != nullptr; }

std::string formatreport(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  return text;
}

void abandon() { throw Abandoned{}; }

void refuse(int at, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  if (!reporting()) {
    failat(at);
    fatal("%s", text.c_str());
  }
  tosink(true, at, text, format);
  abandon();
}

void refuseonline(const char* message) {
  if (!reporting()) {
    const LoadState& l = loading();
    const RecordedStatement& r = l.statements[l.acting];
    failat(WHOLE, message);
    scanner::reportat(r.line, r.linestart);
    scanner::erroronline(message);
  }
  tosink(true, WHOLE, message, message);
  abandon();
}

void warn(int at, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  if (reporting())
    tosink(false, at, text, format);
  else
    VXerror(0, "%s", text.c_str());
}

bool colorat(int at, std::string_view name, Color* color) {
  if (findcolor(name, color)) return true;
  std::string shown(name);
  if (!reporting()) {
    failat(at);
    fatal(reports::COLORNOTFOUND, shown.c_str());
  }
  tosink(true, at, formatreport(reports::COLORNOTFOUND, shown.c_str()), reports::COLORNOTFOUND,
         name);
  *color = 0;
  return false;
}

int popupat(int at, std::string_view name, int popups) {
  int found = getname(model.Popups, popups, name);
  if (found >= 0) return found;
  std::string shown(name);
  if (!reporting()) {
    failat(at);
    notfound("popup", shown.c_str());
  }
  tosink(true, at, formatreport(reports::NOTFOUND, "popup", shown.c_str()), reports::NOTFOUND, name,
         "popup");
  return -1;
}

const FunctionEntry* functionat(int at, std::string_view name, VXform role, bool exact) {
  if (!exact && name.starts_with('@')) name.remove_prefix(1);
  const FunctionEntry* entry = findfunction(name, role);
  if (entry != nullptr && serves(entry, role)) return entry;
  std::string text, shown(name);
  const char* format = reports::NOTFOUND;
  if (!reporting()) failat(at);
  if (entry == nullptr) {
    if (!reporting()) notfound("function", shown.c_str());
    text = formatreport(reports::NOTFOUND, "function", shown.c_str());
  } else {
    const char* held = entry->name != nullptr ? entry->name : "";
    if (!reporting()) fatal(reports::WRONGFORM, held, rolewords(role), formwords(entry->form));
    text = formatreport(reports::WRONGFORM, held, rolewords(role), formwords(entry->form));
    format = reports::WRONGFORM;
  }
  tosink(true, at, text, format, name, entry == nullptr ? "function" : nullptr);
  return nullptr;
}

}  // namespace vx
