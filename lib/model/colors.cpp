// The colour tables: palette names and components, aliases and colour lists.
#include "model/colors.h"

#include <string>

#include "core/log.h"
#include "model/getname.h"
#include "model/reports.h"
#include "model/statements.h"

namespace vx {

namespace {

// Entries 2 to 7 are the built-ins a full palette hands over to new names.
constexpr int TAKEOVERFIRST = 2;
constexpr int TAKEOVERCOUNT = 6;

struct Builtin {
  const char* name;
  std::uint8_t red, green, blue;
};

constexpr Builtin BUILTINS[] = {
    {"black", 0, 0, 0},    {"white", 63, 63, 63},   {"dgray", 50, 45, 45}, {"mgray", 30, 30, 55},
    {"lgray", 53, 53, 53}, {"bluegray", 0, 50, 50}, {"lblue", 10, 10, 55}, {"peach", 63, 47, 50},
};

ColorState& colors() { return modelstate.colors; }

int namedslots() {
  return colors().namesgiven < modelstate.colorcount ? colors().namesgiven : modelstate.colorcount;
}

// Every colour of a file is looked up here, most of them several times: names of
// another length are passed over without comparing a letter.
int paletteindex(std::string_view name) {
  const ColorState& c = colors();
  for (int i = 0, n = namedslots(); i < n; i++) {
    const std::string& known = c.names[static_cast<std::size_t>(i)];
    if (known.size() == name.size() && samename(known, name)) return i;
  }
  return -1;
}

void setcomponents(int index, int red, int green, int blue) {
  // Only the low 8 bits are kept, as the table's bytes hold them.
  std::uint8_t* entry = colors().palette[index];
  entry[0] = static_cast<std::uint8_t>(red);
  entry[1] = static_cast<std::uint8_t>(green);
  entry[2] = static_cast<std::uint8_t>(blue);
}

// A copy for the tables; running out of memory is fatal, the report naming `whose`.
std::string owned(std::string_view text, const char* what, std::string_view whose) {
  try {
    return std::string(text);
  } catch (const std::bad_alloc&) {
    fatal(reports::NOMEMORYFOR, what, std::string(whose).c_str());
  }
}

}  // namespace

void setcolorcount(int colors) { modelstate.colorcount = colors == 256 ? 256 : 16; }

void installbuiltincolors() {
  ColorState& c = colors();
  c = ColorState{};
  for (const Builtin& builtin : BUILTINS) {
    c.names[static_cast<std::size_t>(c.namesgiven)] = builtin.name;
    setcomponents(c.namesgiven, builtin.red, builtin.green, builtin.blue);
    c.namesgiven++;
  }
}

bool findcolor(std::string_view name, Color* index) {
  int found = paletteindex(name);
  if (found < 0) {
    // One level only: an alias must name a palette colour, never another alias.
    const ColorState& c = colors();
    for (int a = 0; a < c.naliases; a++) {
      const ColorState::Alias& alias = c.aliases[static_cast<std::size_t>(a)];
      if (alias.name.size() != name.size() || !samename(alias.name, name)) continue;
      found = paletteindex(alias.color);
      if (found < 0) return false;
      break;
    }
  }
  if (found < 0) return false;
  if (index != nullptr) *index = static_cast<Color>(found);
  return true;
}

bool findcolor(const char* name, Color* index) {
  return name != nullptr && findcolor(std::string_view(name), index);
}

Color convertcolor(const char* name) {
  Color index = 0;
  if (!findcolor(name, &index)) fatal(reports::COLORNOTFOUND, name != nullptr ? name : "");
  return index;
}

void addpaletteentry(std::string_view name, int red, int green, int blue) {
  ColorState& c = colors();
  int index = paletteindex(name);
  if (index >= 0) {
    // Black and white stay what they are: the library draws with them.
    if (index >= 2) setcomponents(index, red, green, blue);
    return;
  }
  int count = modelstate.colorcount;
  if (c.namesgiven < count) {
    index = c.namesgiven;
  } else if (c.namesgiven < count + TAKEOVERCOUNT) {
    index = c.namesgiven - count + TAKEOVERFIRST;
  } else {
    std::string shown(name);
    refuse(0, reports::TOOMANYCOLORS, count, shown.c_str());
  }
  c.names[static_cast<std::size_t>(index)] = owned(name, "colour", name);
  c.namesgiven++;
  setcomponents(index, red, green, blue);
}

void addalias(std::string_view alias, std::string_view color) {
  ColorState& c = colors();
  if (c.naliases == MAXALIASES) refuse(WHOLE, reports::TOOMANYALIASES);
  ColorState::Alias entry{owned(alias, "alias", alias), owned(color, "alias", alias)};
  c.aliases[static_cast<std::size_t>(c.naliases++)] = std::move(entry);
}

void addcolorlist(std::span<const std::string_view, COLORLISTSIZE> names) {
  ColorState& c = colors();
  if (c.nlists == MAXCOLORLISTS) refuse(WHOLE, reports::TOOMANYCOLORLISTS);
  // Every name is looked up before anything is stored, so a bad one stores nothing.
  std::array<Color, COLORLISTSIZE> list{};
  bool found = true;
  for (int i = 0; i < COLORLISTSIZE; i++)
    found =
        colorat(i, names[static_cast<std::size_t>(i)], &list[static_cast<std::size_t>(i)]) && found;
  if (!found) abandon();
  c.lists[static_cast<std::size_t>(c.nlists++)] = list;
}

int palettenamecount() { return namedslots(); }

const char* palettename(int index) {
  return index >= 0 && index < namedslots()
             ? colors().names[static_cast<std::size_t>(index)].c_str()
             : nullptr;
}

int aliascount() { return colors().naliases; }

const char* aliasname(int index) {
  return index >= 0 && index < aliascount()
             ? colors().aliases[static_cast<std::size_t>(index)].name.c_str()
             : nullptr;
}

const char* aliascolor(int index) {
  return index >= 0 && index < aliascount()
             ? colors().aliases[static_cast<std::size_t>(index)].color.c_str()
             : nullptr;
}

int colorlistcount() { return colors().nlists; }

Color colorlistentry(int list, int position) {
  if (list < 0 || list >= MAXCOLORLISTS || position < 0 || position >= COLORLISTSIZE) return 0;
  return colors().lists[static_cast<std::size_t>(list)][static_cast<std::size_t>(position)];
}

}  // namespace vx
