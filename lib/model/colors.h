// Colour names, the palette table, aliases and colour lists.
//
// The description file names colours; everything after loading works on palette
// indexes. The tables are filled while the file is loaded and only read afterwards.
#pragma once

#include <cstdint>

#include "model/model.h"

namespace vx {

constexpr int MAXALIASES = 50;
constexpr int MAXCOLORLISTS = 5;
constexpr int COLORLISTSIZE = 5;

// 256 entries of 6-bit red, green, blue; entries nobody set are (0, 0, 0).
extern std::uint8_t palettetable[256][3];

// 16 or 256: how many palette indexes may carry colours of their own.
extern int colorcount;
// 256 when `colors` is exactly 256, otherwise 16.
void setcolorcount(int colors);

// The popup highlight colour (0 until the file sets it).
extern Color highlightcolor;

// Forgets every name, alias and list and clears the table, then installs the
// eight built-in colours at indexes 0 to 7.
void installbuiltincolors();

// A colour name or alias as a palette index; fatal when it names nothing.
Color convertcolor(const char* name);
// The same look-up without a report: false when the name resolves to nothing.
bool findcolor(const char* name, Color* index);

// The actions of the palette entry, alias and colorlist statements.
void addpaletteentry(const char* name, int red, int green, int blue);
void addalias(const char* alias, const char* color);
void addcolorlist(const char* const names[COLORLISTSIZE]);

// What the tables hold, for tools and tests.
int palettenamecount();
const char* palettename(int index);  // null past the defined names
int aliascount();
const char* aliasname(int index);
const char* aliascolor(int index);
int colorlistcount();
Color colorlistentry(int list, int position);

}  // namespace vx
