// The text faces' glyphs, and the spacing that keeps them apart.
#include "render/platform/raster/fonts.h"

namespace vx::platform {

namespace {

bool loaded = false;

}  // namespace

void loadfonts() { loaded = true; }

void releasefonts() { loaded = false; }

bool fontsloaded() { return loaded; }

int fontascent(int font) { return loaded ? faces[font].ascent : 0; }

const Glyph& glyph(int font, unsigned char code) { return faces[font].glyphs[code - FIRSTCHAR]; }

int spacing(const Glyph& first, const Glyph& second) {
  if (first.width == 0 || second.width == 0) return 0;  // a blank touches nothing
  int blank = first.advance - (first.left + first.width) + second.left;
  return blank < 1 ? 1 - blank : 0;
}

}  // namespace vx::platform
