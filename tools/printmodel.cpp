// A readable listing of the loaded interface model.
#include "printmodel.h"

#include "model/colors.h"
#include "model/model.h"
#include "model/state.h"

namespace vxtool {

namespace {

using vx::model;

const char* text(const char* s) { return s != nullptr ? s : ""; }

const char* entryname(const FunctionEntry* entry) {
  return entry != nullptr && entry->name != nullptr ? entry->name : "-";
}

void printbutton(std::FILE* out, const vx::Button& b) {
  if (b.dragarea != 0) {
    std::fprintf(out, "  dragarea %s at (%d, %d) size %d x %d face %d callback %s active %d\n",
                 b.name, b.left, b.top, b.width, b.height, b.facecolor, entryname(b.callback),
                 b.active);
    return;
  }
  char arrow[2] = {static_cast<char>(b.arrow), '\0'};
  std::fprintf(out,
               "  button %s |%s| at (%d, %d) size %d x %d font %s colours %d/%d face %d "
               "callback %s popup %s shaded %d active %d repeat %d justify %c arrow %s\n",
               b.name, text(b.label), b.left, b.top, b.width, b.height,
               b.font == vx::FONT_BOLD ? "bold" : "normal", b.activecolor, b.inactivecolor,
               b.facecolor, entryname(b.callback), b.popup >= 0 ? model.Popups[b.popup].name : "-",
               b.shaded, b.active, b.repeat, b.justify, b.arrow != 0 ? arrow : "-");
}

void printgraphic(std::FILE* out, const vx::Graphic& g) {
  switch (g.kind) {
    case vx::GRAPHIC_LINE:
    case vx::GRAPHIC_DOUBLELINE:
      std::fprintf(out, "  %s from (%d, %d) to (%d, %d) colour %d\n",
                   g.kind == vx::GRAPHIC_LINE ? "line" : "double line", g.x1, g.y1, g.x2, g.y2,
                   g.color);
      break;
    case vx::GRAPHIC_RECT:
    case vx::GRAPHIC_DOUBLERECT:
      std::fprintf(out, "  %s at (%d, %d) size %d x %d colour %d %s\n",
                   g.kind == vx::GRAPHIC_RECT ? "rect" : "double rect", g.x1, g.y1, g.x2, g.y2,
                   g.color, g.fill != 0 ? "filled" : "outline");
      break;
    default:
      std::fprintf(out, "  %s |%s| at (%d, %d) colour %d shadow ",
                   g.kind == vx::GRAPHIC_BOLDLABEL ? "label" : "labels", text(g.text), g.x1, g.y1,
                   g.color);
      if (g.shadow == 255)
        std::fputs("none\n", out);
      else
        std::fprintf(out, "%d\n", g.shadow);
  }
}

void printwindows(std::FILE* out) {
  for (int i = 0; i < model.nwindows; i++) {
    const vx::Window& w = model.Win[i];
    std::fprintf(out,
                 "window %s at (%d, %d) size %d x %d colours fg %d bg %d border %d "
                 "borderwidth %d level %d store %d\n",
                 w.name, w.left, w.top, w.width, w.height, w.fgcolor, w.bgcolor, w.bordercolor,
                 w.borderwidth, w.active, w.bstore);
    for (int b = 0; b < w.nbuttons; b++) printbutton(out, w.wb[b]);
    for (int g = 0; g < w.ngraphics; g++) printgraphic(out, w.graphics[g]);
  }
}

void printpopups(std::FILE* out) {
  for (int i = 0; i < model.npopups; i++) {
    const vx::Popup& p = model.Popups[i];
    std::fprintf(out,
                 "popup %s at (%d, %d) width %d colours enabled %d disabled %d background %d "
                 "border %d checklist %d dismiss %s\n",
                 p.name, p.left, p.top, p.width, p.enabledcolor, p.disabledcolor, p.bgcolor,
                 p.bordercolor, p.checklist, entryname(p.callback));
    for (int k = 0; k < p.nitems; k++) {
      const vx::PopupItem& item = p.item[k];
      std::fprintf(out, "  item %s |%s| state %d checked %d callback %s\n", item.name,
                   text(item.label), item.active, item.checked, entryname(item.callback));
    }
  }
}

void printrecords(std::FILE* out) {
  for (int i = 0; i < model.nfields; i++) {
    const vx::Field& f = model.fields[i];
    std::fprintf(out, "field %s at (%d, %d) size %d x %d colour %d\n", f.name, f.left, f.top,
                 f.width, f.height, f.color);
  }
  for (int i = 0; i < model.nmessages; i++)
    std::fprintf(out, "message %s |%s|\n", model.messages[i].name, model.messages[i].text);
  for (int i = 0; i < model.nfunctions; i++) {
    const vx::FunctionDecl& f = model.functions[i];
    std::fprintf(out, "function %s per-event %d entry %s\n", f.name, f.perevent,
                 entryname(f.entry));
  }
}

void printcolors(std::FILE* out) {
  std::fprintf(out, "colours %d\n", vx::modelstate.colorcount);
  for (int i = 0; i < 256; i++) {
    const char* name = vx::palettename(i);
    if (name == nullptr) continue;
    const std::uint8_t* c = vx::modelstate.colors.palette[i];
    std::fprintf(out, "palette %d %s %d %d %d\n", i, name, c[0], c[1], c[2]);
  }
  for (int i = 0; i < vx::aliascount(); i++)
    std::fprintf(out, "alias %s = %s\n", vx::aliasname(i), vx::aliascolor(i));
  for (int l = 0; l < vx::colorlistcount(); l++) {
    std::fprintf(out, "colorlist %d:", l);
    for (int k = 0; k < vx::COLORLISTSIZE; k++) std::fprintf(out, " %d", vx::colorlistentry(l, k));
    std::fputc('\n', out);
  }
  const vx::Settings& s = vx::modelstate.settings;
  std::fprintf(out, "highlight %d\n", s.highlightcolor);
  std::fprintf(out, "buttonstuff frame %d crossout %d light %d dark %d\n", s.framecolor, s.crossout,
               s.lightcolor, s.darkcolor);
  std::fprintf(out, "speedup %d\n", s.repeatspeed);
  std::fprintf(out, "redrawfunc %s\n",
               s.redrawfunction != nullptr ? entryname(s.redrawfunction) : "(built-in)");
}

}  // namespace

void printmodel(std::FILE* out) {
  printwindows(out);
  printpopups(out);
  printrecords(out);
  printcolors(out);
}

}  // namespace vxtool
