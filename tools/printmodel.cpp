// A readable listing of the loaded interface model.
#include "printmodel.h"

#include <charconv>
#include <string>
#include <string_view>

#include "model/colors.h"
#include "model/model.h"
#include "model/state.h"

namespace vxtool {

namespace {

using vx::model;

// Lines built in a buffer and written in large pieces: the model of a large file runs to
// megabytes, and formatting each line through printf would take longer than loading.
class Writer {
 public:
  explicit Writer(std::FILE* out) : out_(out) {}
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() { flush(); }

  Writer& operator<<(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= BLOCK) flush();
    return *this;
  }
  Writer& operator<<(const char* text) { return *this << std::string_view(text ? text : ""); }
  Writer& operator<<(char c) { return *this << std::string_view(&c, 1); }
  Writer& operator<<(int n) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }
  // A colour is a number: say which, rather than print it as a character.
  Writer& operator<<(unsigned char) = delete;

 private:
  static constexpr std::size_t BLOCK = 1 << 16;
  void flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
  }

  std::FILE* out_;
  std::string buffer_;
};

int number(vx::Color c) { return c; }

const char* entryname(const FunctionEntry* entry) {
  return entry != nullptr && entry->name != nullptr ? entry->name : "-";
}

void printbutton(Writer& w, const vx::Button& b) {
  w << "  " << (b.dragarea != 0 ? "dragarea " : "button ") << b.name;
  if (b.dragarea == 0) w << " |" << b.label << '|';
  w << " at (" << b.left << ", " << b.top << ") size " << b.width << " x " << b.height;
  if (b.dragarea != 0) {
    w << " face " << number(b.facecolor) << " callback " << entryname(b.callback) << " active "
      << b.active << '\n';
    return;
  }
  w << " font " << (b.font == vx::FONT_BOLD ? "bold" : "normal") << " colours "
    << number(b.activecolor) << '/' << number(b.inactivecolor) << " face " << number(b.facecolor)
    << " callback " << entryname(b.callback) << " popup "
    << (b.popup >= 0 ? model.Popups[b.popup].name : "-") << " shaded " << b.shaded << " active "
    << b.active << " repeat " << b.repeat << " justify " << static_cast<char>(b.justify)
    << " arrow ";
  if (b.arrow != 0)
    w << static_cast<char>(b.arrow) << '\n';
  else
    w << "-\n";
}

void printgraphic(Writer& w, const vx::Graphic& g) {
  switch (g.kind) {
    case vx::GRAPHIC_LINE:
    case vx::GRAPHIC_DOUBLELINE:
      w << (g.kind == vx::GRAPHIC_LINE ? "  line" : "  double line") << " from (" << g.x1 << ", "
        << g.y1 << ") to (" << g.x2 << ", " << g.y2 << ") colour " << number(g.color) << '\n';
      break;
    case vx::GRAPHIC_RECT:
    case vx::GRAPHIC_DOUBLERECT:
      w << (g.kind == vx::GRAPHIC_RECT ? "  rect" : "  double rect") << " at (" << g.x1 << ", "
        << g.y1 << ") size " << g.x2 << " x " << g.y2 << " colour " << number(g.color)
        << (g.fill != 0 ? " filled\n" : " outline\n");
      break;
    default:
      w << (g.kind == vx::GRAPHIC_BOLDLABEL ? "  label |" : "  labels |") << g.text << "| at ("
        << g.x1 << ", " << g.y1 << ") colour " << number(g.color) << " shadow ";
      if (g.shadow == 255)
        w << "none\n";
      else
        w << number(g.shadow) << '\n';
  }
}

void printwindows(Writer& w) {
  for (int i = 0; i < model.nwindows; i++) {
    const vx::Window& win = model.Win[i];
    w << "window " << win.name << " at (" << win.left << ", " << win.top << ") size " << win.width
      << " x " << win.height << " colours fg " << number(win.fgcolor) << " bg "
      << number(win.bgcolor) << " border " << number(win.bordercolor) << " borderwidth "
      << win.borderwidth << " level " << win.active << " store " << win.bstore << '\n';
    for (int b = 0; b < win.nbuttons; b++) printbutton(w, win.wb[b]);
    for (int g = 0; g < win.ngraphics; g++) printgraphic(w, win.graphics[g]);
  }
}

void printpopups(Writer& w) {
  for (int i = 0; i < model.npopups; i++) {
    const vx::Popup& p = model.Popups[i];
    w << "popup " << p.name << " at (" << p.left << ", " << p.top << ") width " << p.width
      << " colours enabled " << number(p.enabledcolor) << " disabled " << number(p.disabledcolor)
      << " background " << number(p.bgcolor) << " border " << number(p.bordercolor) << " checklist "
      << p.checklist << " dismiss " << entryname(p.callback) << '\n';
    for (int k = 0; k < p.nitems; k++) {
      const vx::PopupItem& item = p.item[k];
      w << "  item " << item.name << " |" << item.label << "| state " << item.active << " checked "
        << item.checked << " callback " << entryname(item.callback) << '\n';
    }
  }
}

void printrecords(Writer& w) {
  for (int i = 0; i < model.nfields; i++) {
    const vx::Field& f = model.fields[i];
    w << "field " << f.name << " at (" << f.left << ", " << f.top << ") size " << f.width << " x "
      << f.height << " colour " << number(f.color) << '\n';
  }
  for (int i = 0; i < model.nmessages; i++)
    w << "message " << model.messages[i].name << " |" << model.messages[i].text << "|\n";
  for (int i = 0; i < model.nfunctions; i++) {
    const vx::FunctionDecl& f = model.functions[i];
    w << "function " << f.name << " per-event " << f.perevent << " entry " << entryname(f.entry)
      << '\n';
  }
}

void printcolors(Writer& w) {
  w << "colours " << vx::modelstate.colorcount << '\n';
  for (int i = 0; i < 256; i++) {
    const char* name = vx::palettename(i);
    if (name == nullptr) continue;
    const std::uint8_t* c = vx::modelstate.colors.palette[i];
    w << "palette " << i << ' ' << name << ' ' << int{c[0]} << ' ' << int{c[1]} << ' ' << int{c[2]}
      << '\n';
  }
  for (int i = 0; i < vx::aliascount(); i++)
    w << "alias " << vx::aliasname(i) << " = " << vx::aliascolor(i) << '\n';
  for (int l = 0; l < vx::colorlistcount(); l++) {
    w << "colorlist " << l << ':';
    for (int k = 0; k < vx::COLORLISTSIZE; k++) w << ' ' << number(vx::colorlistentry(l, k));
    w << '\n';
  }
  const vx::Settings& s = vx::modelstate.settings;
  w << "highlight " << number(s.highlightcolor) << '\n';
  w << "buttonstuff frame " << number(s.framecolor) << " crossout " << s.crossout << " light "
    << number(s.lightcolor) << " dark " << number(s.darkcolor) << '\n';
  w << "speedup " << s.repeatspeed << '\n';
  w << "redrawfunc " << (s.redrawfunction != nullptr ? entryname(s.redrawfunction) : "(built-in)")
    << '\n';
}

}  // namespace

void printmodel(std::FILE* out) {
  Writer w(out);
  printwindows(w);
  printpopups(w);
  printrecords(w);
  printcolors(w);
}

}  // namespace vxtool
