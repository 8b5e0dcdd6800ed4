// The event list, newest first, each cell cut to its column; and the status line, which
// says what the user did last and when.
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "panel.h"

namespace panel {

namespace {

struct Entry {
  int number;
  std::string event, value;
};

std::deque<Entry> entries;
int counter = 0;

constexpr std::size_t ROWS = 6;
constexpr int ROWHEIGHT = 13;

// The columns of the list, in the window "events": the number ends at NUMBEREND; the
// event and its value are cut to their columns.
constexpr int NUMBEREND = 30;
constexpr int EVENTLEFT = 38, EVENTWIDTH = 168;
constexpr int VALUELEFT = 214, VALUEWIDTH = 180;

// Columns left to left + width - 1; the clip box keeps one pixel free at each side.
void cell(int left, int width, int y, const std::string& text) {
  VXwwriteclippedmsg(left - 2, y, width + 2, ROWHEIGHT, left - 1, y, text.c_str());
}

LastAction lastshown{};
bool statusdrawn = false;

bool same(const LastAction& a, const LastAction& b) {
  if (a.kind != b.kind || std::strcmp(a.name, b.name) != 0 || std::strcmp(a.time, b.time) != 0)
    return false;
  if (a.kind == 1) return std::strcmp(a.value.text, b.value.text) == 0;
  return a.value.index == b.value.index;
}

std::string describe(const LastAction& a) {
  std::string window = a.name;
  switch (a.kind) {
    case 1: return std::string(a.value.text) + " in the window " + window;
    case 2: {
      const char* item = VXgetmenuitemname(a.name, a.value.index);
      return std::string(item != nullptr ? item : "?") + ", item " +
             std::to_string(a.value.index + 1) + " of the menu " + window;
    }
    default: return a.time[0] != '\0' ? "a menu closed without a choice" : "none yet";
  }
}

}  // namespace

std::string grouped(double value) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.0f", value);
  std::string text;
  std::size_t start = digits[0] == '-' ? 1 : 0, n = std::strlen(digits);
  for (std::size_t p = 0; p < n; p++) {
    text += digits[p];
    if (p >= start && p + 1 < n && (n - p - 1) % 3 == 0) text += ',';
  }
  return text;
}

void logevent(const std::string& event, const std::string& value, bool merge) {
  if (merge && !entries.empty() && entries.front().event == event) {
    entries.front().value = value;
  } else {
    entries.push_front({++counter, event, value});
    if (entries.size() > ROWS) entries.pop_back();
  }
  // Under a menu or a modal window the list waits: it is drawn when they go.
  if (quiet()) drawjournal();
}

void clearjournal() {
  entries.clear();
  counter = 0;
  lastshown = LastAction{};
  statusdrawn = false;
}

void drawjournal() {
  inwindow("events", [] {
    Box rows = field("eventrows");
    fillbox(rows);
    VXsetfont(VXFONTNORMAL);
    int y = rows.top + 11;
    for (const Entry& e : entries) {
      char number[16];
      std::snprintf(number, sizeof number, "%d", e.number);
      VXsetcolor(colors.dark);
      VXwwritelong(0, NUMBEREND - VXtextwidth(number), y, e.number);
      VXsetcolor(colors.ink);
      cell(EVENTLEFT, EVENTWIDTH, y, e.event);
      cell(VALUELEFT, VALUEWIDTH, y, e.value);
      y += ROWHEIGHT;
    }
  });
}

void drawstatus(bool all) {
  LastAction now{};
  VXgetlastaction(&now);
  if (!all && statusdrawn && same(now, lastshown)) return;
  lastshown = now;
  statusdrawn = true;
  inwindow("root", [&now] {
    Box box = field("status");
    fillbox(box);
    VXsetfont(VXFONTNORMAL);
    VXsetcolor(colors.ink);
    VXwwritetext(box.left + 6, baseline(box), describe(now).c_str());
    // The library's clock: headless, the virtual one, so a tour shows the same times.
    VXsetcolor(colors.dark);
    VXwwritetext(flushright(box, now.time), baseline(box), now.time);
  });
  if (all) VXframefield("root", "status", colors.dark, colors.light);
}

}  // namespace panel
