// The two text faces: tables of glyphs rendered once, at build time, by
// buildtools/makeglyphs.cpp, so that no font file or font renderer is needed to run.
#pragma once

#include <cstdint>

namespace vx::platform {

constexpr int NORMALFONT = 0;
constexpr int BOLDFONT = 1;
constexpr int FIRSTCHAR = 32;  // the printable characters, the only ones with glyphs
constexpr int LASTCHAR = 126;

// One glyph, cropped to its ink: a row of bits each, the leftmost column the top bit.
struct Glyph {
  int left;     // from the pen position to the first inked column
  int top;      // from the baseline up to the first inked row
  int width;    // inked columns; 0 for a blank
  int rows;     // inked rows
  int advance;  // whole pixels to the next pen position
  const std::uint32_t* bits;
};

struct Face {
  int ascent;  // pixels above the baseline
  Glyph glyphs[LASTCHAR - FIRSTCHAR + 1];
};

// NORMALFONT's and BOLDFONT's, in the generated source.
extern const Face faces[2];

// The faces are there while the drawing is open, as a display's fonts are.
void loadfonts();
void releasefonts();
bool fontsloaded();

// Ascent in pixels of NORMALFONT or BOLDFONT; 0 while the faces are away.
int fontascent(int font);

// The glyph of a printable character.
const Glyph& glyph(int font, unsigned char code);

// The columns added after `first` when `second` follows it, so that a blank column
// always stands between their ink: 0 unless the two would touch or overlap.
int spacing(const Glyph& first, const Glyph& second);

}  // namespace vx::platform
