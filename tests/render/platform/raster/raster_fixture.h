// A fresh raster for every test, with a small palette of distinct colours.
#pragma once

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "support/fixture.h"

namespace vxtest {

// Indexes of the test palette.
enum : std::uint8_t { BLACK, WHITE, RED, GREEN, BLUE, YELLOW, CYAN, MAGENTA };
constexpr std::uint8_t TESTPALETTE[8][3] = {{0, 0, 0},  {63, 63, 63}, {63, 0, 0},  {0, 63, 0},
                                            {0, 0, 63}, {63, 63, 0},  {0, 63, 63}, {63, 0, 63}};
constexpr std::uint32_t WHITEPIXEL = 0xFFFFFF;  // the framebuffer when the drawing opens

class Raster : public VxTest {
 protected:
  void SetUp() override {
    VxTest::SetUp();
    vx::platform::opendrawing();
  }
  void TearDown() override {
    vx::platform::closedrawing();
    VxTest::TearDown();
  }
  static void usetestpalette() { VXPsetpalette(TESTPALETTE, 8); }
  static std::uint32_t at(int x, int y) { return vx::platform::framebuffer[y * 640 + x]; }
  static std::vector<std::uint32_t> snapshot() {
    return {std::begin(vx::platform::framebuffer), std::end(vx::platform::framebuffer)};
  }
  // The positions whose pixel differs from `background`.
  static std::set<std::pair<int, int>> inked(std::uint32_t background = WHITEPIXEL) {
    std::set<std::pair<int, int>> result;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        if (at(x, y) != background) result.insert({x, y});
      }
    }
    return result;
  }
  // Every position of the box left, top, width, height.
  static std::set<std::pair<int, int>> boxpixels(int left, int top, int width, int height) {
    std::set<std::pair<int, int>> result;
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) result.insert({x, y});
    }
    return result;
  }
};

}  // namespace vxtest
