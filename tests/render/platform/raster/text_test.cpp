// Text: the two faces, their widths and ascents, and what is drawn.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "render/platform/raster/raster_fixture.h"

namespace {

class Text : public vxtest::Raster {};

// The leftmost and rightmost inked columns, or {-1, -1}.
std::pair<int, int> inkedcolumns(const std::set<std::pair<int, int>>& pixels) {
  if (pixels.empty()) return {-1, -1};
  int first = 640, last = -1;
  for (auto [x, y] : pixels) first = std::min(first, x), last = std::max(last, x);
  return {first, last};
}

TEST_F(Text, DrawnGlyphsAgreeWithTheMeasuredWidthInBothFaces) {
  // '~' is the last printable character: a glyph, not a blank.
  const char* samples[] = {"Hello World", "~Quit", "MW", "Version 2.0.6", "ZEF Test"};
  for (int font : {10, 15}) {
    for (const char* sample : samples) {
      vx::platform::opendrawing();
      VXPsetfont(font);
      int width = VXPtextwidth(sample);
      const int x = 50, baseline = 100;
      VXPtext(x, baseline, sample);
      auto pixels = inked();
      auto [first, last] = inkedcolumns(pixels);
      EXPECT_GE(first, x) << sample << " in " << font;
      EXPECT_LE(first, x + 2) << sample << " in " << font;
      EXPECT_LT(last, x + width) << sample << " in " << font;
      EXPECT_GE(last, x + width - 3) << sample << " in " << font;
      // Letters stand on the baseline (a tail may hang below) and stay under the ascent.
      int top = 480, bottom = -1;
      for (auto [px, py] : pixels) top = std::min(top, py), bottom = std::max(bottom, py);
      EXPECT_GE(top, baseline - VXPascent()) << sample << " in " << font;
      EXPECT_GE(bottom, baseline - 1) << sample << " in " << font;
      EXPECT_LE(bottom, baseline + 3) << sample << " in " << font;
      bool onbaseline = false;
      for (auto [px, py] : pixels) onbaseline = onbaseline || py == baseline - 1;
      EXPECT_TRUE(onbaseline) << sample << " in " << font;
    }
  }
}

// The ink of a text drawn near the screen's corner, a row of column bits each.
using Ink = std::array<std::uint64_t, 20>;

Ink drawnink(const char* text) {
  VXPsetcolor(vxtest::WHITE);
  VXPfillrect(0, 0, 64, 20);
  VXPsetcolor(vxtest::BLACK);
  std::uint32_t paper = vx::platform::framebuffer[0];
  VXPtext(4, 14, text);
  Ink ink{};
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (vx::platform::framebuffer[y * 640 + x] != paper) ink[y] |= 1ull << x;
    }
  }
  return ink;
}

// The leftmost or rightmost inked column; -1 for no ink.
int edge(const Ink& ink, bool left) {
  int found = -1;
  for (std::uint64_t row : ink) {
    if (row == 0) continue;
    int column = left ? std::countr_zero(row) : 63 - std::countl_zero(row);
    if (found < 0 || (left ? column < found : column > found)) found = column;
  }
  return found;
}

TEST_F(Text, AnyTwoCharactersSideBySideKeepABlankColumnBetweenTheirInkInBothFaces) {
  usetestpalette();
  for (int font : {10, 15}) {
    VXPsetfont(font);
    std::vector<Ink> alone;
    for (char c = 32; c <= 126; ++c) alone.push_back(drawnink(std::string(1, c).c_str()));
    std::string offenders;
    for (char a = 33; a <= 126; ++a) {
      for (char b = 33; b <= 126; ++b) {
        const Ink& first = alone[a - 32];
        const Ink& second = alone[b - 32];
        Ink pair = drawnink(std::string{a, b}.c_str());
        // The pair is the first glyph as drawn alone and the second moved right whole.
        int shift = 0;
        for (; shift < 32; ++shift) {
          Ink both = first;
          for (std::size_t row = 0; row < both.size(); ++row) both[row] |= second[row] << shift;
          if (both == pair) break;
        }
        if (shift == 32 || edge(second, true) + shift - edge(first, false) < 2) {
          offenders += std::string(offenders.empty() ? "" : " ") + a + b;
        }
      }
    }
    EXPECT_EQ(offenders, "") << "pairs whose ink touches in font " << font;
  }
}

TEST_F(Text, BoldIsWiderThanNormalAndBothFitATwelvePixelCell) {
  VXPsetfont(10);
  int normal = VXPtextwidth("Load picture");
  int normalascent = VXPascent();
  VXPsetfont(15);
  int bold = VXPtextwidth("Load picture");
  EXPECT_GT(bold, normal);
  EXPECT_GT(normal, 0);
  for (int ascent : {normalascent, VXPascent()}) {
    EXPECT_GE(ascent, 8);
    EXPECT_LE(ascent, 12);
  }
  EXPECT_EQ(VXPtextwidth(""), 0);
}

TEST_F(Text, AnyOtherFontCodeIsKeptSelectsNothingAndGivesTheBoldAscent) {
  VXPsetfont(15);
  int boldascent = VXPascent();
  int boldwidth = VXPtextwidth("Settings");
  VXPsetfont(10);
  int normalwidth = VXPtextwidth("Settings");
  VXPsetfont(12);
  EXPECT_EQ(VXPgetfont(), 12);
  EXPECT_EQ(VXPascent(), boldascent);
  EXPECT_EQ(VXPtextwidth("Settings"), normalwidth);  // the normal face stays in use
  VXPsetfont(15);
  VXPsetfont(0);
  EXPECT_EQ(VXPtextwidth("Settings"), boldwidth);
}

TEST_F(Text, UnprintableCharactersAreDrawnAsBlanksAndTheCallersTextIsKept) {
  char text[] =
      "a\tb\x7f"
      "c\x80";
  const std::string original(text);
  VXPtext(20, 40, text);
  auto withcontrols = snapshot();
  EXPECT_EQ(std::string(text), original);
  int width = VXPtextwidth(text);

  vx::platform::opendrawing();
  VXPtext(20, 40, "a b c ");
  EXPECT_EQ(snapshot(), withcontrols);
  EXPECT_EQ(VXPtextwidth("a b c "), width);
}

TEST_F(Text, TextUsesTheCurrentColourAndTheClipButNeverExclusiveOr) {
  usetestpalette();
  VXPsetcolor(vxtest::RED);
  VXPsetxor(1);
  VXPtext(10, 30, "Overdrawn");
  VXPtext(10, 30, "Overdrawn");
  auto pixels = inked();
  ASSERT_FALSE(pixels.empty());
  for (auto [x, y] : pixels) EXPECT_EQ(at(x, y), 0xFC0000u);

  // A clip across the glyphs, and the screen's bottom edge across them.
  vx::platform::opendrawing();
  VXPsetclip(0, 0, 20, 25);
  VXPtext(10, 30, "Overdrawn");
  VXPsetclip(0, 0, 640, 480);
  VXPtext(10, 484, "Overdrawn");
  std::set<int> rows;
  for (auto [x, y] : inked()) {
    EXPECT_TRUE(y >= 470 || (x < 20 && y < 25)) << x << "," << y;
    rows.insert(y);
  }
  EXPECT_TRUE(rows.count(24) == 1 && rows.count(479) == 1);
}

TEST_F(Text, TheFacesComeBackAfterTheDrawingIsClosed) {
  int width = VXPtextwidth("again");
  vx::platform::closedrawing();
  vx::platform::opendrawing();
  EXPECT_EQ(VXPtextwidth("again"), width);
  VXPtext(10, 30, "again");
  EXPECT_FALSE(inked().empty());
}

TEST_F(Text, MeasuringWithoutTheFacesIsFatal) {
  vx::platform::closedrawing();
  EXPECT_FATAL(VXPtextwidth("x"), "GetTextExtentPoint failed!\n",
               vxtest::banner() + "GetTextExtentPoint failed!\n");
}

}  // namespace
