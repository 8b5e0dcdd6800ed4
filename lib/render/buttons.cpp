// Drawing a button: face, raised edges, label, arrow and cross-out.
#include "render/buttons.h"

#include <algorithm>
#include <cstring>

#include "model/model.h"
#include "model/state.h"
#include "render/drawstate.h"
#include "render/edges.h"
#include "render/platform/platform.h"

namespace vx {

namespace {

// The first line of a two-line label is copied into a buffer of this size, end
// included; longer first lines are cut.
constexpr std::size_t FIRSTLINE = 84;

// Wide, as the sums of a description's numbers need.
struct Box {
  VXPcoord x, y, w, h;
};

Box boxof(int w, int b) {
  const Window& win = model.Win[w];
  const Button& btn = win.wb[b];
  return {VXPcoord{win.left} + btn.left, VXPcoord{win.top} + btn.top, btn.width, btn.height};
}

// The first line of a two-line label, cut as it is drawn.
void firstline(const char* label, const char* at, char (&first)[FIRSTLINE]) {
  std::size_t length = std::min(static_cast<std::size_t>(at - label), FIRSTLINE - 1);
  std::memcpy(first, label, length);
  first[length] = '\0';
}

// Where a line of text starts: the arrow's box, as wide as the button less 8, and the
// gap before it are counted with the text, whether or not the arrow is drawn.
VXPcoord lineleft(VXPcoord x, VXPcoord w, int justify, VXPcoord textwidth, VXPcoord arrowwidth,
                  int gap) {
  switch (justify) {
    case 'L': return x + 5;
    case 'R': return x + w - textwidth - arrowwidth - gap - 6;
    default: return x + (w - textwidth - arrowwidth - gap) / 2;
  }
}

void drawarrow(int direction, const LabelPlace& p) {
  VXPcoord left = p.arrowleft, top = p.arrowtop;
  VXPcoord right = left + p.arrowside, bottom = top + p.arrowside;
  VXPcoord midx = (left + right) / 2, midy = (top + bottom) / 2;
  VXPcoord points[6];
  auto set = [&points](VXPcoord x1, VXPcoord y1, VXPcoord x2, VXPcoord y2, VXPcoord x3,
                       VXPcoord y3) {
    points[0] = x1;
    points[1] = y1;
    points[2] = x2;
    points[3] = y2;
    points[4] = x3;
    points[5] = y3;
  };
  switch (direction) {
    // "<" points right and ">" left, as the description files expect.
    case '<': set(left, top, left, bottom, right, midy); break;
    case '>': set(left, midy, right, top, right, bottom); break;
    case '^': set(midx, top, left, bottom, right, bottom); break;
    case 'v': set(midx, bottom, left, top, right, top); break;
    default: return;
  }
  VXPfillpoly(3, points);
}

void drawlabel(int w, int b, Box r) {
  const Button& btn = model.Win[w].wb[b];
  const char* label = btn.label != nullptr ? btn.label : "";
  VXPsetcolor(btn.active == BUTTON_ACTIVE ? btn.activecolor : btn.inactivecolor);
  VXPsetfont(btn.font);
  LabelPlace p = placelabel(r.x, r.y, r.w, r.h, label, btn.arrow, btn.justify);
  const char* at = std::strchr(label, '@');
  if (at == nullptr) {
    VXPtext(p.left[0], p.baseline[0], label);
    if (p.arrow) drawarrow(btn.arrow, p);
    return;
  }
  char first[FIRSTLINE];
  firstline(label, at, first);
  VXPtext(p.left[0], p.baseline[0], first);
  VXPtext(p.left[1], p.baseline[1], at + 1);
}

}  // namespace

LabelPlace placelabel(VXPcoord x, VXPcoord y, VXPcoord w, VXPcoord h, const char* label, int arrow,
                      int justify) {
  LabelPlace p;
  int gap = arrow != 0 ? 4 : 0;
  VXPcoord arrowwidth = arrow != 0 ? w - 8 : 0;
  int ascent = VXPascent();
  const char* at = std::strchr(label, '@');
  if (at == nullptr) {
    p.lines = 1;
    p.width[0] = VXPtextwidth(label);
    // An odd leftover pixel goes above the text; % keeps the sign of h - ascent.
    p.baseline[0] = y + ascent + (h - ascent) / 2 + (h - ascent) % 2;
    p.left[0] = lineleft(x, w, justify, p.width[0], arrowwidth, gap);
    if (arrow == 0) return p;
    // The triangle is centred in its box, which starts 4 pixels after the text (after the
    // button's left edge when there is no text).
    VXPcoord arrowheight = h - 8;
    p.arrow = true;
    p.arrowside = std::min(arrowwidth, arrowheight);
    p.arrowleft =
        (p.width[0] <= 0 ? x : p.left[0]) + p.width[0] + 4 + (arrowwidth - p.arrowside) / 2;
    p.arrowtop = y + 4 + (arrowheight - p.arrowside) / 2;
    return p;
  }
  // Two lines, and no arrow, though they are placed as if it were there.
  char first[FIRSTLINE];
  firstline(label, at, first);
  p.lines = 2;
  p.width[0] = VXPtextwidth(first);
  p.width[1] = VXPtextwidth(at + 1);
  p.baseline[0] = y + ascent + (h - 2 * VXPcoord{ascent} - 2) / 2;
  p.baseline[1] = p.baseline[0] + ascent;
  for (int k = 0; k < 2; k++) p.left[k] = lineleft(x, w, justify, p.width[k], arrowwidth, gap);
  return p;
}

void drawbutton(int w, int b, bool labelonly) {
  KeepDrawState kept;
  const Button& btn = model.Win[w].wb[b];
  Box r = boxof(w, b);
  if (!labelonly) {
    VXPsetcolor(btn.facecolor);
    VXPsetlinewidth(1);
    VXPfillrect(r.x, r.y, r.w, r.h);
    if (btn.shaded) drawedges(r.x, r.y, r.w, r.h, false);
  }
  if (!btn.dragarea && (btn.label == nullptr || std::strcmp(btn.label, "@@") != 0)) {
    drawlabel(w, b, r);
    if (btn.active == BUTTON_INACTIVE && modelstate.settings.crossout && btn.shaded) {
      VXPsetcolor(modelstate.settings.framecolor);
      VXPline(r.x, r.y + r.h - 1, r.x + r.w - 1, r.y);
    }
  }
}

void erasebutton(int w, int b) {
  Box r = boxof(w, b);
  VXPsetcolor(model.Win[w].bgcolor);
  VXPfillrect(r.x, r.y, r.w, r.h);
}

}  // namespace vx
