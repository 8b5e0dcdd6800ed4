// What the drawing tests share: a fresh white screen, a palette whose indexes read
// back exactly, and ways to compare what reached the screen.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "model/colors.h"
#include "model/state.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "support/fixture.h"
#include "support/model_builder.h"

namespace vxtest {

using Pixels = std::vector<std::pair<int, int>>;

// Index 0 is white, so a fresh screen reads 0; every other index is its own colour.
inline void installtestpalette() {
  static std::uint8_t table[256][3];
  table[0][0] = table[0][1] = table[0][2] = 63;
  for (int i = 1; i < 256; i++) {
    table[i][0] = static_cast<std::uint8_t>(i & 63);
    table[i][1] = static_cast<std::uint8_t>((i >> 6) * 20);
    table[i][2] = 0;
  }
  VXPsetpalette(table, 256);
}

class RenderTest : public VxTest {
 protected:
  void SetUp() override {
    VxTest::SetUp();
    vx::platform::opendrawing();
    installtestpalette();
    vx::modelstate.settings = vx::Settings{};
    vx::resetrenderstate();
  }
};

inline int px(int x, int y) { return VXPgetpixel(x, y); }

// Every pixel of colour c, row by row.
inline Pixels ink(int c) {
  Pixels found;
  for (int y = 0; y < VXPHEIGHT; y++)
    for (int x = 0; x < VXPWIDTH; x++)
      if (VXPgetpixel(x, y) == c) found.emplace_back(x, y);
  return found;
}

// Pixels of colour c inside the rectangle.
inline int count(int c, int left, int top, int width, int height) {
  int n = 0;
  for (int y = top; y < top + height; y++)
    for (int x = left; x < left + width; x++)
      if (VXPgetpixel(x, y) == c) n++;
  return n;
}

inline std::vector<std::uint32_t> snapshot() {
  return {std::begin(vx::platform::framebuffer), std::end(vx::platform::framebuffer)};
}

// Pixels that differ from an earlier snapshot.
inline Pixels changed(const std::vector<std::uint32_t>& before) {
  Pixels found;
  for (int i = 0; i < VXPWIDTH * VXPHEIGHT; i++)
    if (vx::platform::framebuffer[i] != before[i]) found.emplace_back(i % VXPWIDTH, i / VXPWIDTH);
  return found;
}

inline bool inside(const Pixels& pixels, int left, int top, int width, int height) {
  return std::all_of(pixels.begin(), pixels.end(), [&](const std::pair<int, int>& p) {
    return p.first >= left && p.first < left + width && p.second >= top && p.second < top + height;
  });
}

struct Line {
  int x, baseline;
  std::string text;
};

// What the given lines look like when drawn alone in colour c and the font: the
// text on the screen must be exactly this, wherever the font puts its pixels.
inline Pixels textpixels(int c, int font, const std::vector<Line>& lines) {
  std::vector<std::uint32_t> keep = snapshot();
  int color = VXPgetcolor(), oldfont = VXPgetfont();
  VXPsetclip(0, 0, VXPWIDTH, VXPHEIGHT);
  VXPsetcolor(0);
  VXPfillrect(0, 0, VXPWIDTH, VXPHEIGHT);
  VXPsetcolor(static_cast<std::uint8_t>(c));
  VXPsetfont(font);
  for (const Line& l : lines) VXPtext(l.x, l.baseline, l.text.c_str());
  Pixels drawn = ink(c);
  EXPECT_FALSE(drawn.empty()) << "the expected text draws nothing";
  std::copy(keep.begin(), keep.end(), vx::platform::framebuffer);
  VXPsetcolor(static_cast<std::uint8_t>(color));
  VXPsetfont(oldfont);
  return drawn;
}

inline int widthof(const char* text, int font) {
  int old = VXPgetfont();
  VXPsetfont(font);
  int w = VXPtextwidth(text);
  VXPsetfont(old);
  return w;
}

inline int ascentof(int font) {
  int old = VXPgetfont();
  VXPsetfont(font);
  int a = VXPascent();
  VXPsetfont(old);
  return a;
}

}  // namespace vxtest
