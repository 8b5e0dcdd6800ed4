// The two text faces, rendered by FreeType without anti-aliasing, and their glyphs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx::platform {

// The face files, built into the library.
extern const unsigned char regularfontdata[];
extern const std::size_t regularfontsize;
extern const unsigned char boldfontdata[];
extern const std::size_t boldfontsize;

constexpr int NORMALFONT = 0;
constexpr int BOLDFONT = 1;

// One rendered glyph: a one-bit bitmap, most significant bit leftmost.
struct Glyph {
  int left;   // from the pen position to the first column
  int top;    // from the baseline up to the first row
  int width;  // columns
  int rows;
  int pitch;    // bytes per row
  int advance;  // whole pixels to the next pen position
  std::vector<std::uint8_t> bits;
};

// Loads both faces at a 12-pixel character cell; failure is fatal.
void loadfonts();
void releasefonts();
bool fontsloaded();

// Ascent in pixels of NORMALFONT or BOLDFONT; 0 while no face is loaded.
int fontascent(int font);

// The glyph of a printable character (32 to 126), rendered on first use and kept;
// null when no face is loaded or the face cannot render it.
const Glyph* glyph(int font, unsigned char code);

}  // namespace vx::platform
