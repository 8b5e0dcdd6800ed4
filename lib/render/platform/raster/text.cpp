// Text in the two faces: the current font, its ascent, widths and drawing. Glyphs stand
// side by side at their advances, one column further apart where their ink would touch,
// so that "1000" never reads as a bar.

#include <cstdint>

#include "core/log.h"
#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/raster/fonts.h"
#include "render/platform/raster/rasterstate.h"

namespace {

using vx::platform::raster;

// Characters outside the printable range are measured and drawn as blanks.
unsigned char printable(char c) {
  auto code = static_cast<unsigned char>(c);
  return code >= vx::platform::FIRSTCHAR && code <= vx::platform::LASTCHAR ? code : ' ';
}

int selectedface() {
  return raster.drawstate.selectedfont == 15 ? vx::platform::BOLDFONT : vx::platform::NORMALFONT;
}

}  // namespace

void VXPsetfont(int code) {
  raster.drawstate.font = code;
  // Other codes are recorded but leave the face in use as it was.
  if (code == 10 || code == 15) raster.drawstate.selectedfont = code;
}

int VXPgetfont() { return raster.drawstate.font; }

int VXPascent() {
  return vx::platform::fontascent(raster.drawstate.font == 10 ? vx::platform::NORMALFONT
                                                              : vx::platform::BOLDFONT);
}

int VXPtextwidth(const char* text) {
  using namespace vx::platform;
  if (text == nullptr) return 0;
  if (!fontsloaded()) vx::fatal("GetTextExtentPoint failed!\n");
  int face = selectedface();
  std::int64_t width = 0;
  const Glyph* previous = nullptr;
  for (const char* c = text; *c != '\0'; ++c) {
    const Glyph& current = glyph(face, printable(*c));
    if (previous != nullptr) width += spacing(*previous, current);
    width += current.advance;
    previous = &current;
  }
  return width > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(width);
}

// Draws a copy of the text: the caller's text is never written.
void VXPtext(VXPcoord x, VXPcoord baseline, const char* text) {
  vx::platform::Beneath beneath;
  using namespace vx::platform;
  if (text == nullptr || !fontsloaded()) return;
  int face = selectedface();
  // The top of the text lies the current font's ascent above the given line; the glyphs
  // sit on the face's own baseline below that top.
  std::int64_t origin = bounded(baseline) - VXPascent() + fontascent(face);
  std::uint32_t color = textcolor();
  Box drawable = drawablebox();
  std::int64_t pen = bounded(x);
  const Glyph* previous = nullptr;
  for (const char* c = text; *c != '\0' && pen < drawable.right; ++c) {
    const Glyph& current = glyph(face, printable(*c));
    if (previous != nullptr) pen += spacing(*previous, current);
    previous = &current;
    for (int row = 0; row < current.rows; ++row) {
      std::int64_t y = origin - current.top + row;
      if (y < drawable.top || y >= drawable.bottom) continue;
      for (int column = 0; column < current.width; ++column) {
        if ((current.bits[row] & (0x80000000u >> column)) == 0) continue;
        std::int64_t px = pen + current.left + column;
        if (px < drawable.left || px >= drawable.right) continue;
        framebuffer[y * VXPWIDTH + px] = color;
      }
    }
    pen += current.advance;
  }
  framechanged = true;
}
