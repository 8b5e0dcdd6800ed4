// Warnings about the windows, buttons and field that the library's own message, help
// and version operations draw into.
#include <algorithm>
#include <string>

#include "lint.h"
#include "model/getname.h"
#include "model/language.h"
#include "model/scanner.h"

namespace vxtool {

namespace {

namespace sc = vx::scanner;

constexpr char LINT[] = "library-windows";

bool ismessageline(std::string_view name) {
  return name.size() > 2 && vx::samename(name.substr(0, 2), "hm") &&
         name.find_first_not_of("0123456789", 2) == std::string::npos;
}

template <class Seen>
const Seen* named(const std::vector<Seen>& seen, const char* name) {
  for (const Seen& s : seen)
    if (vx::samename(s.name, name)) return &s;
  return nullptr;
}

}  // namespace

void LibraryWindows::statement(const vx::ReadStatement& s) {
  if (s.count == 0) return;
  const vx::ReadValue& name = s.values[0];
  switch (s.grammar->token) {
    case sc::WINDOW:
      windows_.push_back({std::string(name.text), "", s.values[4].number, name.at});
      break;
    case sc::BUTTON:
      if (!windows_.empty() &&
          (vx::samename(name.text, "helpnext") || vx::samename(name.text, "helpprev")))
        helpbuttons_.push_back({std::string(name.text), windows_.back().name, 0, name.at});
      break;
    case sc::MSG:
      if (message_.at.line == 0 && ismessageline(name.text))
        message_ = {std::string(name.text), "", 0, name.at};
      break;
    case sc::FIELD:
      if (version_.at.line == 0 && vx::samename(name.text, "VERSION"))
        version_ = {std::string(name.text), "", 0, name.at};
      break;
    default: break;
  }
}

void LibraryWindows::finish(Diagnostics& found) const {
  const Seen* messagewindow = named(windows_, "message");
  if (message_.at.line != 0 && messagewindow == nullptr)
    found.warning(message_.at,
                  "message " + quoted(message_.name) +
                      " is shown in the window 'message', which the file does not have",
                  LINT);
  if (messagewindow != nullptr && messagewindow->height < 40)
    found.warning(messagewindow->at,
                  "window 'message' is " + std::to_string(messagewindow->height) +
                      " pixels high; the three lines of a message need 40",
                  LINT);
  const Seen* help = named(windows_, "help");
  for (const Seen& b : helpbuttons_) {
    if (help == nullptr)
      found.warning(b.at,
                    "button " + quoted(b.name) +
                        " turns the pages of the window 'help', which the file does not have",
                    LINT);
    else if (!vx::samename(b.window, "help"))
      found.warning(b.at,
                    "button " + quoted(b.name) + " is in the window " + quoted(b.window) +
                        "; VXhelp looks for it in the window 'help'",
                    LINT);
  }
  for (const char* wanted : {"helpnext", "helpprev"}) {
    if (help == nullptr) break;
    bool there = std::any_of(helpbuttons_.begin(), helpbuttons_.end(), [&](const Seen& b) {
      return vx::samename(b.name, wanted) && vx::samename(b.window, "help");
    });
    if (!there)
      found.warning(
          help->at,
          std::string("window 'help' has no button '") + wanted + "', which VXhelp shows and hides",
          LINT);
  }
  if (version_.at.line != 0 && named(windows_, "root") == nullptr)
    found.warning(version_.at,
                  "field " + quoted(version_.name) +
                      " is drawn in the window 'root', which the file does not have",
                  LINT);
}

}  // namespace vxtool
