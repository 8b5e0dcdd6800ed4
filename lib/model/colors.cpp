// The colour tables: palette names and components, aliases and colour lists.
#include "model/colors.h"

#include "core/log.h"
#include "model/getname.h"

namespace vx {

std::uint8_t palettetable[256][3] = {};
int colorcount = 16;
Color highlightcolor = 0;

namespace {

constexpr int PALETTESLOTS = 256;
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

// Every name is an owned copy, freed when it is replaced or the tables are reset.
char* palettenames[PALETTESLOTS] = {};
// How many new names have been given out, take-overs included; may pass the slot
// count by up to the six take-overs.
int namesgiven = 0;

struct Alias {
  char* name;
  char* color;
};
Alias aliases[MAXALIASES] = {};
int naliases = 0;

Color colorlists[MAXCOLORLISTS][COLORLISTSIZE] = {};
int ncolorlists = 0;

int namedslots() { return namesgiven < colorcount ? namesgiven : colorcount; }

int paletteindex(const char* name) {
  for (int i = 0; i < namedslots(); i++)
    if (samename(palettenames[i], name)) return i;
  return -1;
}

char* owned(const char* text, const char* what) {
  char* copy = copytext(text);
  if (copy == nullptr) fatal("Out of memory for %s |%s|.\n", what, text != nullptr ? text : "");
  return copy;
}

void setcomponents(int index, int red, int green, int blue) {
  // Only the low 8 bits are kept, as the table's bytes hold them.
  palettetable[index][0] = static_cast<std::uint8_t>(red);
  palettetable[index][1] = static_cast<std::uint8_t>(green);
  palettetable[index][2] = static_cast<std::uint8_t>(blue);
}

}  // namespace

void setcolorcount(int colors) { colorcount = colors == 256 ? 256 : 16; }

void installbuiltincolors() {
  for (char*& name : palettenames) {
    delete[] name;
    name = nullptr;
  }
  for (Alias& alias : aliases) {
    delete[] alias.name;
    delete[] alias.color;
    alias = Alias{};
  }
  naliases = 0;
  for (auto& list : colorlists)
    for (Color& entry : list) entry = 0;
  ncolorlists = 0;
  for (auto& entry : palettetable) entry[0] = entry[1] = entry[2] = 0;

  namesgiven = 0;
  for (const Builtin& builtin : BUILTINS) {
    palettenames[namesgiven] = owned(builtin.name, "colour");
    setcomponents(namesgiven, builtin.red, builtin.green, builtin.blue);
    namesgiven++;
  }
}

bool findcolor(const char* name, Color* index) {
  int found = paletteindex(name);
  if (found < 0) {
    // One level only: an alias must name a palette colour, never another alias.
    for (int a = 0; a < naliases && found < 0; a++) {
      if (samename(aliases[a].name, name)) {
        found = paletteindex(aliases[a].color);
        if (found < 0) return false;
      }
    }
  }
  if (found < 0) return false;
  if (index != nullptr) *index = static_cast<Color>(found);
  return true;
}

Color convertcolor(const char* name) {
  Color index = 0;
  if (!findcolor(name, &index))
    fatal("convertcolor: color alias not found.\n\tAlias = |%s|\n", name != nullptr ? name : "");
  return index;
}

void addpaletteentry(const char* name, int red, int green, int blue) {
  int index = paletteindex(name);
  if (index >= 0) {
    // Black and white stay what they are: the library draws with them.
    if (index >= 2) setcomponents(index, red, green, blue);
    return;
  }
  if (namesgiven < colorcount) {
    index = namesgiven;
  } else if (namesgiven < colorcount + TAKEOVERCOUNT) {
    index = namesgiven - colorcount + TAKEOVERFIRST;
  } else {
    fatal("Too many colors.\nPalette was initialized with %d colors.\nLast color: |%s|.\n",
          colorcount, name != nullptr ? name : "");
  }
  char* copy = owned(name, "colour");
  delete[] palettenames[index];
  palettenames[index] = copy;
  namesgiven++;
  setcomponents(index, red, green, blue);
}

void addalias(const char* alias, const char* color) {
  if (naliases == MAXALIASES) fatal("Too many aliases.\n");
  Alias& entry = aliases[naliases];
  entry.name = owned(alias, "alias");
  entry.color = copytext(color);
  if (entry.color == nullptr) fatal("Out of memory for alias |%s|.\n", alias);
  naliases++;
}

void addcolorlist(const char* const names[COLORLISTSIZE]) {
  if (ncolorlists == MAXCOLORLISTS) fatal("Too many colorlists.\n");
  // Every name is converted before anything is stored, so a bad one stores nothing.
  Color list[COLORLISTSIZE];
  for (int i = 0; i < COLORLISTSIZE; i++) list[i] = convertcolor(names[i]);
  for (int i = 0; i < COLORLISTSIZE; i++) colorlists[ncolorlists][i] = list[i];
  ncolorlists++;
}

int palettenamecount() { return namedslots(); }

const char* palettename(int index) {
  return index >= 0 && index < namedslots() ? palettenames[index] : nullptr;
}

int aliascount() { return naliases; }

const char* aliasname(int index) {
  return index >= 0 && index < naliases ? aliases[index].name : nullptr;
}

const char* aliascolor(int index) {
  return index >= 0 && index < naliases ? aliases[index].color : nullptr;
}

int colorlistcount() { return ncolorlists; }

Color colorlistentry(int list, int position) {
  if (list < 0 || list >= MAXCOLORLISTS || position < 0 || position >= COLORLISTSIZE) return 0;
  return colorlists[list][position];
}

}  // namespace vx
