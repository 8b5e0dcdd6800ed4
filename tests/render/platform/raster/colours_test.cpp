// The device palette, pixels and rows: how indexes become colours and back.
#include "render/platform/raster/raster_fixture.h"

namespace {

class Colours : public vxtest::Raster {};

TEST_F(Colours, EveryPixelReadsZeroBeforeAPaletteIsSet) {
  VXPsetcolor(6);
  VXPfillrect(0, 0, 10, 10);
  std::uint8_t row[640];
  VXPgetrow(5, row);
  for (int x = 0; x < 640; ++x) ASSERT_EQ(row[x], 0) << x;
  EXPECT_EQ(VXPgetpixel(300, 300), 0);  // white background
}

TEST_F(Colours, ComponentsAreTimesFourAndReadBackAsTheirIndex) {
  usetestpalette();
  VXPsetcolor(vxtest::WHITE);
  VXPsetpixel(3, 3);
  EXPECT_EQ(at(3, 3), 0xFCFCFCu);  // not 0xFFFFFF
  for (std::uint8_t index = 0; index < 8; ++index) {
    VXPsetcolor(index);
    VXPsetpixel(index, 0);
    EXPECT_EQ(VXPgetpixel(index, 0), index);
  }
  // Pure white is nearest to (252, 252, 252); off-screen reads 0.
  EXPECT_EQ(VXPgetpixel(300, 300), vxtest::WHITE);
  EXPECT_EQ(VXPgetpixel(-1, 0), 0);
  EXPECT_EQ(VXPgetpixel(0, 480), 0);
}

TEST_F(Colours, OnlyTheEntriesOfThePaletteTakePartInReadBack) {
  std::uint8_t table[256][3] = {};
  for (int i = 0; i < 256; ++i) {
    table[i][0] = static_cast<std::uint8_t>(i % 64);
    table[i][1] = static_cast<std::uint8_t>(i / 4);
    table[i][2] = 20;
  }
  VXPsetpalette(table, 16);
  // Index 200 lies beyond the 16 entries: it draws black and matches an entry below 16.
  const std::uint8_t beyond[2] = {200, 255};
  VXPputrow(0, 0, beyond, 1);
  EXPECT_EQ(at(0, 0), 0u);
  EXPECT_LT(VXPgetpixel(0, 0), 16);

  VXPsetpalette(table, 256);
  VXPputrow(0, 0, beyond, 2);
  EXPECT_EQ(VXPgetpixel(0, 0), 200);
  EXPECT_EQ(at(1, 0), 0xFCFC50u);  // the last entry, (63, 63, 20)
  EXPECT_EQ(VXPgetpixel(1, 0), 255);
  // Counts outside 1 to 256 are brought into range.
  VXPsetpalette(table, 1000);
  EXPECT_EQ(VXPgetpixel(0, 0), 200);
  VXPsetpalette(table, 0);
  EXPECT_EQ(VXPgetpixel(0, 0), 0);
}

TEST_F(Colours, EqualEntriesReadBackAsTheLowestIndex) {
  const std::uint8_t table[4][3] = {{0, 0, 0}, {10, 20, 30}, {5, 5, 5}, {10, 20, 30}};
  VXPsetpalette(table, 4);
  VXPsetcolor(3);
  VXPsetpixel(1, 1);
  EXPECT_EQ(VXPgetpixel(1, 1), 1);
}

TEST_F(Colours, ALaterPaletteReachesTheCurrentColour) {
  VXPsetcolor(vxtest::RED);
  usetestpalette();
  VXPsetpixel(0, 0);
  EXPECT_EQ(at(0, 0), 0xFC0000u);
}

TEST_F(Colours, RowsRoundTripThroughThePalette) {
  usetestpalette();
  std::uint8_t row[640];
  for (int x = 0; x < 640; ++x) row[x] = static_cast<std::uint8_t>(x % 8);
  VXPputrow(0, 7, row, 640);
  std::uint8_t back[640];
  EXPECT_EQ(VXPgetrow(7, back), back);
  EXPECT_TRUE(std::equal(row, row + 640, back));
  // A short row at an offset leaves the rest alone.
  VXPputrow(100, 8, row + 2, 3);
  EXPECT_EQ(inked(0xFFFFFF).count({99, 8}), 0u);
  EXPECT_EQ(VXPgetpixel(100, 8), 2);
  EXPECT_EQ(VXPgetpixel(102, 8), 4);
  EXPECT_EQ(VXPgetpixel(103, 8), vxtest::WHITE);
  // Begun left of the clip and of the screen, each pixel keeps the index at its offset.
  VXPsetclip(2, 9, 5, 1);
  VXPputrow(-3, 9, row, 640);
  for (int x = 0; x < 9; ++x)
    EXPECT_EQ(VXPgetpixel(x, 9), x >= 2 && x < 7 ? (x + 3) % 8 : vxtest::WHITE) << x;
}

}  // namespace
