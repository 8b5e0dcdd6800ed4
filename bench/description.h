// Generated descriptions for the loader's benchmarks, in process and as whole vxtool
// processes (bench/describe.cpp writes them to files).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vxbench {

inline std::string number(long n) { return std::to_string(n); }

// Appends the pieces; built this way, not with "..." + string, which GCC 12 at -O3
// warns about wrongly.
inline void add(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text.append(piece);
}

// About `bytes` of description that loads without an error and uses every statement:
// colours, settings, the root window, 20 popups of 8 items, then windows (at most 90)
// of buttons, labels, graphics, drag areas, fields and messages, with a comment now and
// then. Its callbacks: press, choose, drag, dismiss, redraw, tick and menu3.
inline std::string description(std::size_t bytes) {
  std::string text =
      "# Generated for the loader benchmark.\n"
      "palette\n(ink 6 8 20)\n(paper 61 61 58)\n(shade 40 42 46)\nend\n"
      "alias(face lgray)\nhighlight(ink)\nspeedup(2)\n"
      "colorlist(ink paper shade black white)\nbuttonstuff(ink 1 white dgray)\n"
      "function(tick 0 0)\nredrawfunc(redraw)\nCANCEL(a b c d)\n"
      "window(root 0 0 640 480 black white black 1 1 0)\n";
  for (int p = 0; p < 20; ++p) {
    add(text, {"popup(menu", number(p), " 100 100 ink dgray paper ink 0 dismiss)\n"});
    for (int i = 0; i < 8; ++i)
      add(text, {"plabel(item", number(i), " 1 choose |Item ", number(i), "| 0)\n"});
  }
  std::size_t perwindow = bytes / 90 + 1;
  long n = 0;
  for (int w = 0; w < 90 && text.size() < bytes; ++w) {
    std::size_t end = text.size() + perwindow;
    add(text, {"window(w", number(w), " 10 20 600 440 ink paper ink 2 1 0)\n"});
    while (text.size() < end && text.size() < bytes) {
      std::string k = number(n++);
      add(text, {"# block ", k, "\n"});
      add(text, {"button(b", k, " |Button ", k, "| 10 20 90 24 ink dgray lgray press 1 1 0 C)\n"});
      add(text,
          {"buttons(c", k, " |Small ", k, "| 110 20 90 24 ink dgray lgray @menu3 1 1 1 L)\n"});
      add(text, {"label(10 60 ink |A label, ", k, "|)\nlabels(10 80 ink |Another| white)\n"});
      add(text, {"rect(10 100 200 50 shade 1 fill)\nline(10 160 210 160 2 ink)\n"});
      add(text, {"dragarea(d", k, " 10 200 300 100 white drag 1)\n"});
      add(text, {"field(f", k, " 10 320 200 16 ink)\nmsg(m", k, " |Message number ", k, ".|)\n"});
    }
  }
  return text;
}

// `count` buttons, each with a callback of its own (f0, f1 ...), and a popup of `count`
// items that call them: what must load in a time that grows with `count` and no faster.
inline std::string buttons(long count) {
  std::string text = "window(root 0 0 640 480 black white black 1 1 0)\n";
  for (long i = 0; i < count; ++i)
    add(text,
        {"button(b", number(i), " |B| 1 2 3 4 black dgray lgray f", number(i), " 1 1 0 C)\n"});
  add(text, {"popup(menu 10 10 black dgray white black 0)\n"});
  for (long i = 0; i < count; ++i) add(text, {"plabel(i", number(i), " 1 f", number(i), " |I|)\n"});
  return text;
}

}  // namespace vxbench
