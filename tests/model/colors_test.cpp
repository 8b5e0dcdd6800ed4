// Colour names, palette entries, aliases, colour lists and the two public colour ops.
#include "model/colors.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "support/fixture.h"
#include "vx.h"

using vx::convertcolor;
using vxtest::banner;

namespace {

class Colors : public vxtest::VxTest {
 protected:
  void SetUp() override {
    VxTest::SetUp();
    vx::setcolorcount(16);
    vx::installbuiltincolors();
  }

  static void addnames(int count, int first = 0) {
    for (int i = first; i < first + count; i++)
      vx::addpaletteentry(vxtest::numbered("c", i), i, i, i);
  }

  static std::string components(int index) {
    const std::uint8_t* entry = vx::modelstate.colors.palette[index];
    return std::to_string(entry[0]) + " " + std::to_string(entry[1]) + " " +
           std::to_string(entry[2]);
  }
};

std::string notfound(const char* name) {
  return std::string("convertcolor: color alias not found.\n\tAlias = |") + name + "|\n";
}

TEST_F(Colors, BuiltinsAndTheirSpellings) {
  struct {
    const char* name;
    int index;
    const char* rgb;
  } const cases[] = {
      {"BLACK", 0, "0 0 0"},    {"Black", 0, "0 0 0"},      {"black", 0, "0 0 0"},
      {"white", 1, "63 63 63"}, {"dgray", 2, "50 45 45"},   {"MGRAY", 3, "30 30 55"},
      {"lgray", 4, "53 53 53"}, {"bluegray", 5, "0 50 50"}, {"lblue", 6, "10 10 55"},
      {"Peach", 7, "63 47 50"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(convertcolor(c.name), c.index) << c.name;
    EXPECT_EQ(components(c.index), c.rgb) << c.name;
  }
  EXPECT_EQ(vx::palettenamecount(), 8);
  EXPECT_EQ(components(8), "0 0 0");
  vx::Color index = 9;
  EXPECT_FALSE(vx::findcolor("blac", &index));
  EXPECT_FALSE(vx::findcolor("blackk", &index));
  EXPECT_EQ(index, 9);
}

TEST_F(Colors, ExistingEntries) {
  vx::addpaletteentry("WHITE", 1, 2, 3);
  vx::addpaletteentry("black", 9, 9, 9);
  vx::addpaletteentry("LGray", 300, -1, 7);  // kept as their low 8 bits
  EXPECT_EQ(components(0), "0 0 0");
  EXPECT_EQ(components(1), "63 63 63");
  EXPECT_EQ(components(4), "44 255 7");
  EXPECT_STREQ(vx::palettename(4), "lgray");
  EXPECT_EQ(vx::palettenamecount(), 8);
}

TEST_F(Colors, SixteenColoursTakeOverTheBuiltinsThenRunOut) {
  addnames(8);  // indexes 8 to 15
  EXPECT_EQ(convertcolor("c0"), 8);
  EXPECT_EQ(convertcolor("C7"), 15);
  EXPECT_EQ(components(15), "7 7 7");
  vx::addpaletteentry("c8", 1, 2, 3);
  EXPECT_EQ(convertcolor("c8"), 2);
  EXPECT_EQ(components(2), "1 2 3");
  EXPECT_FATAL(convertcolor("dgray"), notfound("dgray"), banner() + notfound("dgray"));
  addnames(5, 9);  // indexes 3 to 7
  EXPECT_EQ(convertcolor("c13"), 7);
  EXPECT_EQ(vx::palettenamecount(), 16);
  EXPECT_EQ(vx::palettename(16), nullptr);
  const char* full =
      "Too many colors.\nPalette was initialized with 16 colors.\nLast color: |c14|.\n";
  EXPECT_FATAL(vx::addpaletteentry("c14", 0, 0, 0), full, banner() + full);
  EXPECT_EQ(convertcolor("white"), 1);  // never taken over
}

TEST_F(Colors, TwoHundredFiftySixColours) {
  vx::setcolorcount(255);
  EXPECT_EQ(vx::modelstate.colorcount, 16);
  vx::setcolorcount(256);
  vx::installbuiltincolors();
  addnames(248);
  EXPECT_EQ(convertcolor("c247"), 255);
  addnames(6, 248);
  EXPECT_EQ(convertcolor("c248"), 2);
  EXPECT_EQ(convertcolor("c253"), 7);
  const char* full =
      "Too many colors.\nPalette was initialized with 256 colors.\nLast color: |x|.\n";
  EXPECT_FATAL(vx::addpaletteentry("x", 0, 0, 0), full, banner() + full);
}

TEST_F(Colors, Aliases) {
  vx::addalias("text", "ink");  // names a colour defined later
  vx::addalias("chain", "text");
  vx::addalias("dgray", "white");  // hidden by the palette name
  vx::addalias("Paper", "white");
  vx::addalias("paper", "black");   // the first definition wins
  vx::addalias("gone", "nowhere");  // ... even when its colour is missing
  vx::addalias("gone", "white");
  vx::addpaletteentry("ink", 1, 1, 1);
  EXPECT_EQ(convertcolor("TEXT"), 8);
  EXPECT_EQ(convertcolor("dgray"), 2);
  EXPECT_EQ(convertcolor("paper"), 1);
  EXPECT_EQ(vx::aliascount(), 7);
  EXPECT_STREQ(vx::aliasname(0), "text");
  EXPECT_STREQ(vx::aliascolor(0), "ink");
  EXPECT_FATAL(convertcolor("chain"), notfound("chain"), banner() + notfound("chain"));
  EXPECT_FATAL(convertcolor("gone"), notfound("gone"), banner() + notfound("gone"));
}

TEST_F(Colors, TheFiftyFirstAliasIsFatal) {
  for (int i = 0; i < vx::MAXALIASES; i++) vx::addalias(vxtest::numbered("a", i), "white");
  EXPECT_EQ(convertcolor("a49"), 1);
  EXPECT_FATAL(vx::addalias("one", "white"), "Too many aliases.\n",
               banner() + "Too many aliases.\n");
}

TEST_F(Colors, ColourLists) {
  const std::string_view first[] = {"black", "white", "dgray", "mgray", "lgray"};
  const std::string_view second[] = {"peach", "lblue", "bluegray", "tone", "TONE"};
  vx::addalias("tone", "peach");
  vx::addcolorlist(first);
  vx::addcolorlist(second);
  EXPECT_EQ(vx::colorlistcount(), 2);
  EXPECT_EQ(VXgetlistcolor(0, 4), 4);
  EXPECT_EQ(VXgetlistcolor(1, 0), 7);
  EXPECT_EQ(VXgetlistcolor(1, 4), 7);
  EXPECT_EQ(VXgetlistcolor(2, 0), 0);  // not defined
  for (auto [list, position] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 5}, {1000000, 1000000}})
    EXPECT_EQ(VXgetlistcolor(list, position), 0) << list << " " << position;
}

TEST_F(Colors, AListWithAnUnknownColourIsFatal) {
  const std::string_view bad[] = {"white", "white", "white", "white", "nosuch"};
  EXPECT_FATAL(vx::addcolorlist(bad), notfound("nosuch"), banner() + notfound("nosuch"));
}

TEST_F(Colors, TheSixthListIsFatal) {
  const std::string_view names[] = {"white", "white", "white", "white", "white"};
  for (int i = 0; i < vx::MAXCOLORLISTS; i++) vx::addcolorlist(names);
  EXPECT_EQ(VXgetlistcolor(4, 4), 1);
  EXPECT_FATAL(vx::addcolorlist(names), "Too many colorlists.\n",
               banner() + "Too many colorlists.\n");
}

TEST_F(Colors, ReinstallingForgetsEverything) {
  const std::string_view names[] = {"ink", "ink", "ink", "ink", "ink"};
  vx::addpaletteentry("ink", 1, 2, 3);
  vx::addalias("pen", "ink");
  vx::addcolorlist(names);
  vx::addpaletteentry("dgray", 0, 0, 0);
  vx::installbuiltincolors();
  EXPECT_EQ(vx::palettenamecount(), 8);
  EXPECT_EQ(vx::aliascount(), 0);
  EXPECT_EQ(vx::colorlistcount(), 0);
  EXPECT_EQ(VXgetlistcolor(0, 0), 0);
  EXPECT_EQ(components(8), "0 0 0");
  EXPECT_EQ(components(2), "50 45 45");
  EXPECT_FALSE(vx::findcolor("pen", nullptr));
}

TEST_F(Colors, WritePalette) {
  vx::addpaletteentry("ink", 1, 2, 3);
  VXwritepalette(vx::modelstate.colors.palette);
  EXPECT_EQ(vxtest::readfile("palette.txt"),
            " 0   0   0\n63  63  63\n50  45  45\n30  30  55\n53  53  53\n 0  50  50\n"
            "10  10  55\n63  47  50\n 1   2   3\n"
            " 0   0   0\n 0   0   0\n 0   0   0\n 0   0   0\n 0   0   0\n 0   0   0\n 0   0   0\n");
}

TEST_F(Colors, WritePaletteFailuresAreWarnings) {
  VXwritepalette(nullptr);
  EXPECT_FALSE(std::filesystem::exists("palette.txt"));
  std::filesystem::create_directory("palette.txt");  // cannot be opened as a file
  VXwritepalette(vx::modelstate.colors.palette);
  EXPECT_EQ(vxtest::readfile("error.log"),
            banner() + "VXwritepalette: no palette table given; palette.txt not written.\n" +
                "Error opening palette file for writing.\n");
}

}  // namespace
