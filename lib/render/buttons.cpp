// Drawing a button: face, raised edges, label, arrow and cross-out.
#include "render/buttons.h"

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

VXPcoord lineleft(Box r, int justify, VXPcoord textwidth, VXPcoord arrowwidth, int gap) {
  switch (justify) {
    case 'L': return r.x + 5;
    case 'R': return r.x + r.w - textwidth - arrowwidth - gap - 6;
    default: return r.x + (r.w - textwidth - arrowwidth - gap) / 2;
  }
}

void drawlabel(int w, int b, Box r) {
  const Button& btn = model.Win[w].wb[b];
  const char* label = btn.label != nullptr ? btn.label : "";
  VXPsetcolor(btn.active == BUTTON_ACTIVE ? btn.activecolor : btn.inactivecolor);
  VXPsetfont(btn.font);
  bool arrow = btn.arrow != 0;
  int gap = arrow ? 4 : 0;
  VXPcoord arrowwidth = arrow ? r.w - 8 : 0;
  const char* at = std::strchr(label, '@');
  int ascent = VXPascent();
  if (at == nullptr) {
    VXPcoord arrowheight = arrow ? r.h - 8 : 0;
    int textwidth = VXPtextwidth(label);
    // An odd leftover pixel goes above the text; % keeps the sign of h - ascent.
    VXPcoord baseline = r.y + ascent + (r.h - ascent) / 2 + (r.h - ascent) % 2;
    VXPcoord left = lineleft(r, btn.justify, textwidth, arrowwidth, gap);
    VXPtext(left, baseline, label);
    if (arrow) drawarrow(w, b, textwidth <= 0 ? r.x : left, textwidth, arrowwidth, arrowheight);
    return;
  }
  char first[FIRSTLINE];
  std::size_t length = static_cast<std::size_t>(at - label);
  if (length > FIRSTLINE - 1) length = FIRSTLINE - 1;
  std::memcpy(first, label, length);
  first[length] = '\0';
  const char* second = at + 1;
  VXPcoord baseline = r.y + ascent + (r.h - 2 * VXPcoord{ascent} - 2) / 2;
  VXPtext(lineleft(r, btn.justify, VXPtextwidth(first), arrowwidth, gap), baseline, first);
  VXPtext(lineleft(r, btn.justify, VXPtextwidth(second), arrowwidth, gap), baseline + ascent,
          second);
}

}  // namespace

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

void drawarrow(int w, int b, VXPcoord x, int textwidth, VXPcoord boxwidth, VXPcoord boxheight) {
  const Button& btn = model.Win[w].wb[b];
  Box r = boxof(w, b);
  VXPcoord side = boxwidth < boxheight ? boxwidth : boxheight;
  VXPcoord left = x + textwidth + 4 + (boxwidth - side) / 2;
  VXPcoord top = r.y + 4 + (boxheight - side) / 2;
  VXPcoord right = left + side, bottom = top + side;
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
  switch (btn.arrow) {
    // "<" points right and ">" left, as the description files expect.
    case '<': set(left, top, left, bottom, right, midy); break;
    case '>': set(left, midy, right, top, right, bottom); break;
    case '^': set(midx, top, left, bottom, right, bottom); break;
    case 'v': set(midx, bottom, left, top, right, top); break;
    default: return;
  }
  VXPfillpoly(3, points);
}

void erasebutton(int w, int b) {
  Box r = boxof(w, b);
  VXPsetcolor(model.Win[w].bgcolor);
  VXPfillrect(r.x, r.y, r.w, r.h);
}

}  // namespace vx
