// Lines, rectangles and labels of a window.
#include "render/drawstate.h"
#include "render/platform/platform.h"
#include "render/windows.h"

namespace vx {

namespace {

void label(const Graphic& g, VXPcoord x, VXPcoord y, int font) {
  if (g.text == nullptr) return;
  if (g.shadow != 255) {
    VXPsetcolor(g.shadow);
    VXPsetfont(font);
    VXPtext(x + 1, y + 1, g.text);
  }
  VXPsetcolor(g.color);
  VXPsetfont(font);
  VXPtext(x, y, g.text);
}

}  // namespace

void drawgraphic(const Graphic& g) {
  const Window* win = currentwindowrecord();
  if (win == nullptr) return;
  KeepDrawState kept;
  VXPsetlinewidth(1);
  VXPcoord wx = win->left, wy = win->top;
  VXPcoord px = wx + g.x1, py = wy + g.y1;
  switch (g.kind) {
    case GRAPHIC_LINE:
      VXPsetcolor(g.color);
      VXPline(px, py, wx + g.x2, wy + g.y2);
      break;
    case GRAPHIC_DOUBLELINE:
      VXPsetcolor(g.color);
      VXPline(px, py, wx + g.x2, wy + g.y2);
      if (g.x1 == g.x2)
        VXPline(px + 1, py, px + 1, wy + g.y2);
      else
        VXPline(px, py + 1, wx + g.x2, py + 1);
      break;
    case GRAPHIC_RECT:
      VXPsetcolor(g.color);
      if (g.fill == 1)
        VXPfillrect(px, py, g.x2, g.y2);
      else
        VXPrect(px, py, g.x2, g.y2);
      break;
    case GRAPHIC_DOUBLERECT:
      VXPsetcolor(g.color);
      if (g.fill == 1) {
        VXPfillrect(px, py, g.x2, g.y2);
      } else {
        VXPrect(px, py, g.x2, g.y2);
        VXPrect(px + 1, py + 1, VXPcoord{g.x2} - 2, VXPcoord{g.y2} - 2);
      }
      break;
    case GRAPHIC_BOLDLABEL: label(g, px, py, FONT_BOLD); break;
    case GRAPHIC_LABEL: label(g, px, py, FONT_NORMAL); break;
    default: break;  // other kinds draw nothing
  }
}

}  // namespace vx
