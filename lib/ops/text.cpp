// Text and numbers in the current window: plain texts, messages, clipped texts, and
// numbers formatted three ways. Every text starts one pixel right of the given x, with
// y as its baseline, in the current colour and font; nothing is erased first, and
// neither the caller's text nor the message table is ever written.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/getname.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/windows.h"
#include "vx.h"

using namespace vx;

namespace {

// Formatted results are built in buffers of this size: at most 83 characters, cut at
// the end.
constexpr std::size_t TEXTBUFFER = 84;

// Widths beyond this only pad what the buffer cuts anyway.
constexpr int MAXWIDTH = 1000;

struct Frame {
  VXPcoord left = 0, top = 0, width = 0, height = 0, border = 0;
};

Frame current() {
  const Window* win = currentwindowrecord();
  if (win == nullptr) return {};
  return {win->left, win->top, win->width, win->height, win->borderwidth};
}

}  // namespace

void VXwwritetext(int x, int y, const char* text) {
  Frame w = current();
  VXPtext(w.left + x + 1, w.top + y, text);
}

void VXwwritemsg(int x, int y, const char* message) {
  VXwwritetext(x, y,
               model.messages[getname(model.messages, model.nmessages, message, "message")].text);
}

void VXwwriteclippedmsg(int clip_x, int clip_y, int clip_wd, int clip_ht, int x, int y,
                        const char* text) {
  Frame w = current();
  bool failed = false;
  auto check = [&failed](bool bad, const char* report, const char* rest = nullptr) {
    if (!bad) return;
    VXerror(0, "%s", report);
    if (rest != nullptr) VXerror(0, "%s", rest);
    failed = true;
  };
  check(clip_x < 0, "Negative value passed to clip_x in VXwwriteclippedmsg\n");
  check(clip_y < 0, "Negative value passed to clip_y in VXwwriteclippedmsg\n");
  check(clip_wd < 1, "Non-positive value passed to clip_wd in VXwwriteclippedmsg\n");
  check(clip_ht < 1, "Non-positive value passed to clip_ht in VXwwriteclippedmsg\n");
  check(clip_x >= w.width, "Value passed to clip_x is beyond right edge of window in",
        " VXwwriteclippedmsg\n");
  check(clip_y >= w.height, "Value passed to clip_y is beyond bottom edge of window in",
        " VXwwriteclippedmsg\n");
  VXPcoord width = clip_wd;
  if (VXPcoord{clip_x} + width >= w.width) width = w.width - clip_x;
  if (failed) return;
  // One pixel kept free on each side; clip_y is measured like a baseline.
  VXPsetclip(w.left + clip_x + 1, w.top + clip_y - VXPascent(), width - 2, clip_ht);
  VXPtext(w.left + x + 1, w.top + y, text);
  VXPsetclip(w.left + w.border, w.top + w.border, w.width - 2 * w.border, w.height - 2 * w.border);
}

void VXwwritecommanum(int x, int y, double value) {
  // Wide enough for any double written whole; only what fits the result is written.
  char whole[400];
  if (std::snprintf(whole, sizeof whole, "%.0f", value) < 0) whole[0] = '\0';
  const char* digits = whole[0] == '-' ? whole + 1 : whole;
  std::size_t n = std::strlen(digits);
  char result[TEXTBUFFER];
  std::size_t at = 0;
  auto put = [&](char c) {
    if (at < TEXTBUFFER - 1) result[at++] = c;
  };
  // The sign stands outside the groups: -1234567 is -1,234,567.
  if (digits != whole) put('-');
  for (std::size_t p = 0; p < n; p++) {
    put(digits[p]);
    if (p + 1 < n && (n - p - 1) % 3 == 0) put(',');
  }
  result[at] = '\0';
  VXwwritetext(x, y, result);
}

void VXwwritefloat(int width, int precision, int x, int y, double value) {
  char result[TEXTBUFFER];
  // The width and precision go in as arguments, not into a format text: a negative
  // precision is then the default, never a malformed format.
  // Cut at the end when longer, on purpose.
  if (std::snprintf(result, sizeof result, "%*.*f", std::clamp(width, -MAXWIDTH, MAXWIDTH),
                    std::min(precision, MAXWIDTH), value) < 0)
    result[0] = '\0';
  VXwwritetext(x, y, result);
}

void VXwwritelong(int width, int x, int y, int32_t value) {
  char result[TEXTBUFFER];
  if (std::snprintf(result, sizeof result, "%*ld", std::clamp(width, -MAXWIDTH, MAXWIDTH),
                    static_cast<long>(value)) < 0)
    result[0] = '\0';
  VXwwritetext(x, y, result);
}
