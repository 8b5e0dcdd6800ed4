// Colour names, the palette table, aliases and colour lists.
//
// The description file names colours; everything after loading works on palette
// indexes. The tables are filled while the file is loaded and only read afterwards.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/model.h"
#include "model/state.h"

namespace vx {

// 256 when `colors` is exactly 256, otherwise 16.
void setcolorcount(int colors);

// Forgets every name, alias and list and clears the table, then installs the eight
// built-in colours at indexes 0 to 7.
void installbuiltincolors();

// A colour name or alias as a palette index; fatal when it names nothing.
Color convertcolor(const char* name);
// The same look-up without a report: false when the name resolves to nothing.
bool findcolor(std::string_view name, Color* index);
bool findcolor(const char* name, Color* index);

// The actions of the palette entry, alias and colorlist statements. What they refuse
// (a full palette, the 51st alias, the sixth list, a list's unknown colour) is the
// loader's report about the statement acting: fatal in an application.
void addpaletteentry(std::string_view name, int red, int green, int blue);
void addalias(std::string_view alias, std::string_view color);
void addcolorlist(std::span<const std::string_view, COLORLISTSIZE> names);

// What the tables hold, for tools and tests.
int palettenamecount();
const char* palettename(int index);  // null past the defined names
int aliascount();
const char* aliasname(int index);
const char* aliascolor(int index);
int colorlistcount();
Color colorlistentry(int list, int position);

}  // namespace vx
