// Warnings about the windows, buttons and field that the library's own message, help
// and version operations draw into.
#include <algorithm>
#include <string>

#include "lint.h"
#include "model/getname.h"
#include "model/scanner.h"

namespace vxtool {

namespace {

namespace scanner = vx::scanner;

constexpr char LINT[] = "library-windows";

bool ismessageline(const std::string& name) {
  return name.size() > 2 && vx::samename(name.substr(0, 2).c_str(), "hm") &&
         name.find_first_not_of("0123456789", 2) == std::string::npos;
}

struct Seen {
  std::string name;
  std::string window;  // a button's window
  long long height;    // a window's
  Place at;
};

const Seen* named(const std::vector<Seen>& seen, const char* name) {
  for (const Seen& s : seen)
    if (vx::samename(s.name.c_str(), name)) return &s;
  return nullptr;
}

}  // namespace

void librarywindows(const std::vector<Statement>& statements, Diagnostics& found) {
  std::vector<Seen> windows, helpbuttons;
  const Token* message = nullptr;  // the first of the message window's lines
  const Token* version = nullptr;
  for (const Statement& s : statements) {
    if (s.broken() || s.values.empty()) continue;
    const Token& name = *s.values.front();
    switch (s.keyword()) {
      case scanner::WINDOW: windows.push_back({name.text, "", s.values[4]->number, name.at}); break;
      case scanner::BUTTON:
        if (!windows.empty() && (vx::samename(name.text.c_str(), "helpnext") ||
                                 vx::samename(name.text.c_str(), "helpprev")))
          helpbuttons.push_back({name.text, windows.back().name, 0, name.at});
        break;
      case scanner::MSG:
        if (message == nullptr && ismessageline(name.text)) message = &name;
        break;
      case scanner::FIELD:
        if (version == nullptr && vx::samename(name.text.c_str(), "VERSION")) version = &name;
        break;
      default: break;
    }
  }
  const Seen* messagewindow = named(windows, "message");
  if (message != nullptr && messagewindow == nullptr)
    found.warning(message->at,
                  "message " + quoted(message->text) +
                      " is shown in the window 'message', which the file does not have",
                  LINT);
  if (messagewindow != nullptr && messagewindow->height < 40)
    found.warning(messagewindow->at,
                  "window 'message' is " + std::to_string(messagewindow->height) +
                      " pixels high; the three lines of a message need 40",
                  LINT);
  const Seen* help = named(windows, "help");
  for (const Seen& b : helpbuttons) {
    if (help == nullptr)
      found.warning(b.at,
                    "button " + quoted(b.name) +
                        " turns the pages of the window 'help', which the file does not have",
                    LINT);
    else if (!vx::samename(b.window.c_str(), "help"))
      found.warning(b.at,
                    "button " + quoted(b.name) + " is in the window " + quoted(b.window) +
                        "; VXhelp looks for it in the window 'help'",
                    LINT);
  }
  for (const char* wanted : {"helpnext", "helpprev"}) {
    if (help == nullptr) break;
    bool there = std::any_of(helpbuttons.begin(), helpbuttons.end(), [&](const Seen& b) {
      return vx::samename(b.name.c_str(), wanted) && vx::samename(b.window.c_str(), "help");
    });
    if (!there)
      found.warning(
          help->at,
          std::string("window 'help' has no button '") + wanted + "', which VXhelp shows and hides",
          LINT);
  }
  if (version != nullptr && named(windows, "root") == nullptr)
    found.warning(version->at,
                  "field " + quoted(version->text) +
                      " is drawn in the window 'root', which the file does not have",
                  LINT);
}

}  // namespace vxtool
