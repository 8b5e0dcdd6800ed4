// Loading the text faces and rendering their glyphs once each.
#include "render/platform/raster/fonts.h"

#include <ft2build.h>

#include <cstring>
#include <optional>

#include "core/log.h"
#include FT_FREETYPE_H

#include "vx.h"

namespace vx::platform {

namespace {

constexpr int FIRSTCODE = 32;
constexpr int LASTCODE = 126;
constexpr int CELLHEIGHT = 12;  // pixels of the character cell

struct Face {
  FT_Face face = nullptr;
  int ascent = 0;
  std::optional<Glyph> glyphs[LASTCODE - FIRSTCODE + 1];
  bool failed[LASTCODE - FIRSTCODE + 1] = {};
};

FT_Library library = nullptr;
Face faces[2];

void loadface(Face& face, const unsigned char* data, std::size_t size, const char* name) {
  FT_Size_RequestRec request{};
  request.type = FT_SIZE_REQUEST_TYPE_CELL;
  request.width = 0;
  request.height = FT_Long{CELLHEIGHT} * 64;
  if (FT_New_Memory_Face(library, data, static_cast<FT_Long>(size), 0, &face.face) != 0) {
    face.face = nullptr;
    vx::fatal("Couldn't load the %s text face.\n", name);
  }
  if (FT_Request_Size(face.face, &request) != 0) {
    vx::fatal("Couldn't size the %s text face.\n", name);
  }
  face.ascent = static_cast<int>((face.face->size->metrics.ascender + 32) >> 6);
}

Glyph render(FT_Face face, unsigned char code, bool& ok) {
  Glyph glyph{};
  ok = FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0;
  if (!ok) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO && slot->bitmap.rows > 0) {
    ok = FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0 &&
         slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!ok) return glyph;
  }
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
  // Hinted for a one-bit target, the advance is whole pixels already.
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.bits.resize(static_cast<std::size_t>(glyph.pitch) * glyph.rows);
  for (int row = 0; row < glyph.rows; ++row) {
    // A negative pitch stores the rows bottom up.
    int source = bitmap.pitch < 0 ? glyph.rows - 1 - row : row;
    std::memcpy(glyph.bits.data() + static_cast<std::size_t>(row) * glyph.pitch,
                bitmap.buffer + static_cast<std::size_t>(source) * glyph.pitch,
                static_cast<std::size_t>(glyph.pitch));
  }
  return glyph;
}

}  // namespace

void loadfonts() {
  if (library != nullptr) return;
  if (FT_Init_FreeType(&library) != 0) {
    library = nullptr;
    vx::fatal("Couldn't start the font renderer.\n");
  }
  loadface(faces[BOLDFONT], boldfontdata, boldfontsize, "bold");
  loadface(faces[NORMALFONT], regularfontdata, regularfontsize, "normal");
}

void releasefonts() {
  for (Face& face : faces) {
    if (face.face != nullptr) FT_Done_Face(face.face);
    face = Face{};
  }
  if (library != nullptr) FT_Done_FreeType(library);
  library = nullptr;
}

bool fontsloaded() { return faces[NORMALFONT].face != nullptr && faces[BOLDFONT].face != nullptr; }

int fontascent(int font) { return faces[font].face != nullptr ? faces[font].ascent : 0; }

const Glyph* glyph(int font, unsigned char code) {
  Face& face = faces[font];
  if (face.face == nullptr || code < FIRSTCODE || code > LASTCODE) return nullptr;
  int slot = code - FIRSTCODE;
  if (!face.glyphs[slot] && !face.failed[slot]) {
    bool ok = false;
    Glyph rendered = render(face.face, code, ok);
    if (ok) {
      face.glyphs[slot] = std::move(rendered);
    } else {
      face.failed[slot] = true;
    }
  }
  return face.glyphs[slot] ? &*face.glyphs[slot] : nullptr;
}

}  // namespace vx::platform
