// Warnings about what a description file says that loads but does not work or show as
// its author meant: each has a name (LINTS) by which it is turned off.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "model/getname.h"
#include "model/load.h"

namespace vxtool {

// The windows, buttons and field that the library's message, help and version
// operations draw into, where the file shows that it means to use them.
class LibraryWindows {
 public:
  void statement(const vx::ReadStatement& s);
  void finish(Diagnostics& found) const;

 private:
  struct Seen {
    std::string name;
    std::string window;  // a button's window
    long long height;    // a window's
    Place at;
  };
  std::vector<Seen> windows_, helpbuttons_;
  Seen message_{}, version_{};  // the first of the message window's lines; the version field
};

// Looks at every statement that fits its grammar, as it is read. Text widths are the
// library's, so its drawing must be open.
class Linter {
 public:
  explicit Linter(Diagnostics& found) : found_(found) {}
  void statement(const vx::ReadStatement& s);
  // After the last statement.
  void finish();

 private:
  struct Entry {
    const char* kind;
    int line;
  };
  // The names already in one of the model's tables, where the look-up finds the first,
  // compared as the library compares them; the names are the file's own characters.
  struct Table {
    vx::NameIndex index;
    std::vector<Entry> entries;
    void clear() {
      index.clear();
      entries.clear();
    }
  };

  void warn(Place at, const std::string& text, const char* lint) { found_.warning(at, text, lint); }
  void unique(Table& table, const vx::ReadValue& name, const char* kind);
  bool sized(const char* kind, const vx::ReadValue& name, const vx::ReadValue& width,
             const vx::ReadValue& height);
  void kept(const vx::ReadValue& name, const char* kind);
  bool inwindow(long long left, long long top, long long right, long long bottom) const;
  std::string pastwindow() const;
  void components(const vx::ReadStatement& s);
  void window(const vx::ReadStatement& s);
  void button(const vx::ReadStatement& s);
  void labelwidth(const vx::ReadStatement& s, long long left, long long width);
  void label(const vx::ReadStatement& s);
  void rect(const vx::ReadStatement& s);
  void line(const vx::ReadStatement& s);
  void item(const vx::ReadStatement& s);
  void endpopup(const vx::ReadStatement* next);

  Diagnostics& found_;
  LibraryWindows library_;
  // The window that buttons and graphics belong to: its name and size.
  bool window_ = false;
  std::string windowname_;
  long long windowwidth_ = 0, windowheight_ = 0;
  // The popup being measured as its items come: its name, where it opens, whether it
  // is a check list, and its items' width and count.
  bool popup_ = false;
  std::string popupname_;
  Place popupat_;
  long long popupleft_ = 0, popuptop_ = 0;
  bool checklist_ = false;
  int popupwidth_ = 0;
  int shownitems_ = 0;
  Table windows_, popups_, fields_, messages_, functions_, aliases_;
  Table buttons_, items_;
};

}  // namespace vxtool
