// Lines, rectangles, ellipses and polygons: which pixels they cover.
#include <climits>
#include <cstdint>

#include "render/platform/raster/raster_fixture.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

class Shapes : public vxtest::Raster {};

TEST_F(Shapes, LinesLeaveTheirEndPointOut) {
  struct Case {
    int x1, y1, x2, y2;
    Pixels expected;
  };
  const Case cases[] = {
      {10, 10, 20, 10, boxpixels(10, 10, 10, 1)},
      {20, 10, 10, 10, boxpixels(11, 10, 10, 1)},
      {10, 10, 10, 15, boxpixels(10, 10, 1, 5)},
      {10, 10, 14, 14, {{10, 10}, {11, 11}, {12, 12}, {13, 13}}},
      {10, 10, 10, 10, {}},
  };
  for (const Case& c : cases) {
    vx::platform::opendrawing();
    VXPline(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(inked(), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
  }
}

TEST_F(Shapes, ShallowLineStepsOnceAndStaysConnected) {
  VXPline(0, 0, 10, 1);
  Pixels pixels = inked();
  ASSERT_EQ(pixels.size(), 10u);
  int changes = 0;
  int previous = 0;
  for (auto [x, y] : pixels) {
    EXPECT_LE(y, 1);
    if (y != previous) ++changes;
    previous = y;
  }
  EXPECT_EQ(changes, 1);
}

TEST_F(Shapes, FilledRectangleCoversItsBoxAndOutlineOnlyTheBorder) {
  usetestpalette();
  VXPsetcolor(vxtest::RED);
  VXPfillrect(5, 5, 3, 2);
  EXPECT_EQ(inked(), boxpixels(5, 5, 3, 2));

  vx::platform::opendrawing();
  VXPrect(5, 5, 5, 4);
  Pixels border = boxpixels(5, 5, 5, 4);
  for (auto p : boxpixels(6, 6, 3, 2)) border.erase(p);
  EXPECT_EQ(inked(), border);
}

TEST_F(Shapes, BeforeAnyColourTheFillIsWhiteInsideABlackOutline) {
  const std::uint8_t red[8] = {vxtest::RED, vxtest::RED, vxtest::RED, vxtest::RED,
                               vxtest::RED, vxtest::RED, vxtest::RED, vxtest::RED};
  usetestpalette();
  for (int y = 0; y < 8; ++y) VXPputrow(0, y, red, 8);
  VXPfillrect(1, 1, 5, 5);
  EXPECT_EQ(VXPgetcolor(), 0);
  EXPECT_EQ(at(1, 1), 0x000000u);
  EXPECT_EQ(at(5, 3), 0x000000u);
  EXPECT_EQ(at(3, 3), 0xFFFFFFu);
  EXPECT_EQ(at(6, 6), 0xFC0000u);
}

TEST_F(Shapes, WidthThreeIsASquarePenCentredOnThePath) {
  VXPsetlinewidth(3);
  VXPline(10, 10, 20, 10);
  EXPECT_EQ(inked(), boxpixels(9, 9, 12, 3));

  vx::platform::opendrawing();
  VXPsetlinewidth(3);
  VXPrect(10, 10, 6, 6);
  Pixels band = boxpixels(9, 9, 8, 8);
  for (auto p : boxpixels(12, 12, 2, 2)) band.erase(p);
  EXPECT_EQ(inked(), band);

  // A rectangle with no width or no height has no outline to draw.
  vx::platform::opendrawing();
  VXPsetlinewidth(3);
  VXPrect(10, 10, 0, 6);
  VXPrect(10, 10, 6, 0);
  EXPECT_EQ(inked(), Pixels{});
}

TEST_F(Shapes, OnlyWidthsOneAndThreeAreAccepted) {
  EXPECT_EQ(VXPgetlinewidth(), 1);
  VXPsetlinewidth(3);
  for (int width : {2, 0, -1, 4, INT_MAX}) {
    VXPsetlinewidth(width);
    EXPECT_EQ(VXPgetlinewidth(), 3) << width;
  }
  VXPsetlinewidth(1);
  EXPECT_EQ(VXPgetlinewidth(), 1);
}

// Every figure twice in exclusive-or, over a patterned background, with both widths:
// the screen is as it was, and the first pass changed it.
TEST_F(Shapes, ExclusiveOrTwiceRestoresEveryPixel) {
  usetestpalette();
  std::uint8_t pattern[640];
  for (int x = 0; x < 640; ++x) pattern[x] = static_cast<std::uint8_t>(x / 7 % 8);
  for (int y = 0; y < 480; ++y) VXPputrow(0, y, pattern, 640);
  const VXPcoord star[] = {100, 10, 130, 90, 60, 40, 140, 40, 70, 90};
  auto figures = [&] {
    VXPline(3, 4, 200, 77);
    VXPrect(20, 20, 40, 30);
    VXPfillrect(50, 60, 33, 21);
    VXPellipse(200, 100, 51, 40);
    VXPfillellipse(300, 100, 40, 51);
    VXPfillpoly(5, star);
  };
  for (int width : {1, 3}) {
    VXPsetlinewidth(width);
    VXPsetcolor(vxtest::CYAN);
    auto before = snapshot();
    VXPsetxor(1);
    figures();
    EXPECT_NE(snapshot(), before);
    figures();
    VXPsetxor(0);
    EXPECT_EQ(snapshot(), before) << "width " << width;
  }
}

TEST_F(Shapes, ExclusiveOrCombinesTheDeviceColourButNotForPixelsRowsOrText) {
  usetestpalette();
  VXPsetcolor(vxtest::RED);
  VXPsetxor(1);
  VXPfillrect(0, 0, 2, 1);
  EXPECT_EQ(at(0, 0), 0xFFFFFFu ^ 0xFC0000u);
  VXPsetpixel(1, 0);
  EXPECT_EQ(at(1, 0), 0xFC0000u);
  const std::uint8_t green[1] = {vxtest::GREEN};
  VXPputrow(5, 0, green, 1);
  EXPECT_EQ(at(5, 0), 0x00FC00u);
}

TEST_F(Shapes, AFilledStarHasItsCentreFilledByTheWindingRule) {
  // A pentagram: its centre is wound twice.
  const VXPcoord star[] = {100, 10, 130, 90, 60, 40, 140, 40, 70, 90};
  VXPsetcolor(0);
  VXPfillpoly(5, star);
  EXPECT_EQ(at(100, 50), 0x000000u);
  EXPECT_EQ(at(100, 20), 0x000000u);
  EXPECT_EQ(at(100, 85), 0xFFFFFFu);  // between two points
  EXPECT_EQ(at(59, 40), 0xFFFFFFu);
}

TEST_F(Shapes, PolygonFillsThePixelsWhoseCentresLieInside) {
  usetestpalette();
  VXPsetcolor(vxtest::RED);
  const VXPcoord square[] = {10, 10, 20, 10, 20, 20, 10, 20};
  VXPfillpoly(4, square);
  // Centres of columns and rows 10 to 19 lie inside; the outline adds the closing edges.
  Pixels pixels = inked();
  for (auto p : boxpixels(10, 10, 10, 10)) EXPECT_TRUE(pixels.count(p)) << p.first << p.second;
  for (auto [x, y] : pixels) {
    EXPECT_TRUE(x >= 10 && x <= 20 && y >= 10 && y <= 20) << x << "," << y;
  }
  vx::platform::opendrawing();
  VXPfillpoly(0, square);
  VXPfillpoly(-3, square);
  VXPfillpoly(4, nullptr);
  EXPECT_TRUE(inked().empty());
}

TEST_F(Shapes, EllipsesAreSymmetricInsideTheirRectangle) {
  const int left = 101, top = 57;
  for (auto [width, height] : {std::pair{31, 20}, std::pair{20, 31}, std::pair{1, 1},
                               std::pair{2, 7}, std::pair{64, 64}}) {
    for (bool fill : {false, true}) {
      vx::platform::opendrawing();
      VXPsetcolor(0);
      (fill ? VXPfillellipse : VXPellipse)(left, top, width, height);
      Pixels pixels = inked();
      ASSERT_FALSE(pixels.empty());
      int minx = 640, maxx = -1, miny = 480, maxy = -1;
      for (auto [x, y] : pixels) {
        EXPECT_TRUE(pixels.count({2 * left + width - 1 - x, y})) << width << "x" << height;
        EXPECT_TRUE(pixels.count({x, 2 * top + height - 1 - y})) << width << "x" << height;
        minx = std::min(minx, x), maxx = std::max(maxx, x);
        miny = std::min(miny, y), maxy = std::max(maxy, y);
      }
      EXPECT_EQ(minx, left);
      EXPECT_EQ(maxx, left + width - 1);
      EXPECT_EQ(miny, top);
      EXPECT_EQ(maxy, top + height - 1);
      bool centre = pixels.count({left + width / 2, top + height / 2}) > 0;
      EXPECT_EQ(centre, fill || width < 3 || height < 3) << width << "x" << height;
    }
  }
}

// Whatever the arguments, nothing lands outside the clip rectangle or the framebuffer
// (the sanitizer build checks the latter).
TEST_F(Shapes, WildArgumentsStayInsideTheClip) {
  usetestpalette();
  VXPsetcolor(vxtest::BLUE);
  std::uint8_t row[700];
  for (auto& index : row) index = vxtest::GREEN;
  const VXPcoord wild[] = {INT_MIN, INT_MIN, INT_MAX, 0, 0, INT_MAX, -5, 300};
  auto draw = [&] {
    for (int width : {1, 3}) {
      VXPsetlinewidth(width);
      VXPline(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
      VXPline(INT_MAX, INT_MIN, INT_MIN, INT_MAX);
      VXPline(-1000, 120, 5000, 130);
      VXPrect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
      VXPfillrect(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
      VXPfillrect(-10, -10, 20000, 20000);
      VXPfillrect(100, 100, 0, 5);
      VXPfillrect(100, 100, -5, -5);
      VXPellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
      VXPfillellipse(-2000000000, -2000000000, INT_MAX, INT_MAX);
      VXPfillpoly(4, wild);
      VXPline(INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX);
      VXPrect(INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX);
      VXPfillellipse(INT64_MIN, 0, INT64_MAX, INT64_MAX);
    }
    VXPsetpixel(INT_MIN, 5);
    VXPsetpixel(639, 479);
    VXPsetpixel(640, 480);
    VXPputrow(0, 479, row, 700);
    VXPputrow(-300, 140, row, 700);
    VXPputrow(INT_MAX, 140, row, INT_MAX);
    VXPputrow(INT_MIN, 140, row, 5);
    VXPputrow(0, 145, row, -5);
    VXPputrow(0, 480, row, 10);
    VXPtext(INT_MIN, INT_MAX, "clipped");
    VXPtext(INT64_MAX, INT64_MIN, "clipped");
    VXPtext(INT_MAX, 130, "clipped");
    VXPtext(90, 130, "clipped text");
  };
  VXPsetclip(100, 100, 50, 50);
  draw();
  for (auto [x, y] : inked()) {
    EXPECT_TRUE(x >= 100 && x < 150 && y >= 100 && y < 150) << x << "," << y;
  }
  EXPECT_EQ(VXPgetpixel(120, 140), vxtest::GREEN);  // the row from -300 reached it

  vx::platform::opendrawing();
  usetestpalette();
  VXPsetcolor(vxtest::BLUE);
  draw();
  EXPECT_EQ(VXPgetpixel(639, 479), vxtest::GREEN);  // the row of 700 stopped at the edge
  EXPECT_EQ(VXPgetpixel(0, 145), vxtest::BLUE);     // the fill, not a row of -5
}

TEST_F(Shapes, AnEmptyClipDrawsNothing) {
  VXPsetcolor(0);
  VXPsetclip(10, 10, 0, 10);
  VXPfillrect(0, 0, 640, 480);
  VXPsetpixel(10, 10);
  VXPtext(10, 20, "hidden");
  EXPECT_TRUE(inked().empty());
  VXPsetclip(10, 10, 1, 1);  // replaces the earlier clip
  VXPfillrect(0, 0, 640, 480);
  EXPECT_EQ(inked(), boxpixels(10, 10, 1, 1));
}

TEST_F(Shapes, EveryChangeMarksTheFrame) {
  const VXPcoord triangle[] = {0, 0, 10, 0, 0, 10};
  std::uint8_t row[4] = {};
  auto marks = [](auto draw) {
    vx::platform::framechanged = false;
    draw();
    return vx::platform::framechanged;
  };
  EXPECT_TRUE(marks([] { VXPline(0, 0, 5, 5); }));
  EXPECT_TRUE(marks([] { VXPrect(0, 0, 5, 5); }));
  EXPECT_TRUE(marks([] { VXPfillellipse(0, 0, 5, 5); }));
  EXPECT_TRUE(marks([&] { VXPfillpoly(3, triangle); }));
  EXPECT_TRUE(marks([] { VXPsetpixel(1, 1); }));
  EXPECT_TRUE(marks([&] { VXPputrow(0, 0, row, 4); }));
  EXPECT_TRUE(marks([] { VXPtext(0, 20, "x"); }));
}

}  // namespace
