// makeglyphs REGULAR BOLD OUT: renders the printable characters of the two text faces
// once, with FreeType, into OUT, a C++ source of glyph tables, so that the library needs
// neither FreeType nor a font file when it runs.
//
// Both faces are sized as a 12-pixel character cell and rendered one bit a pixel, as on
// a palette display. Each is hinted by FreeType's own hinter, which treats every face
// alike, rather than by the face's instructions, which at this size leave uneven stems:
// the regular face fully, so that its one-pixel stems and round letters snap to the
// grid; the bold face vertically only, since full hinting thickens every stem to two
// pixels and turns the hook of 'f' into a 't'. Advances are the outline's own, rounded
// to whole pixels, so that widths follow the face's design whatever the hinting did to
// the shapes. Each bitmap is cropped to its ink: the text drawing keeps a blank column
// between two glyphs from the ink's extent (lib/render/platform/raster/text.cpp).
#include <ft2build.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>
#include FT_FREETYPE_H

namespace {

constexpr int FIRSTCHAR = 32;
constexpr int LASTCHAR = 126;
constexpr int CELLHEIGHT = 12;
constexpr int MAXWIDTH = 32;  // columns of one row of the table

struct Glyph {
  int left = 0;  // from the pen position to the first inked column
  int top = 0;   // from the baseline up to the first inked row
  int width = 0;
  int rows = 0;
  int advance = 0;
  std::vector<std::uint32_t> bits;  // a row each, the leftmost column the top bit
};

struct Face {
  int ascent = 0;
  std::vector<Glyph> glyphs;
};

[[noreturn]] void fail(const std::string& message) {
  std::cerr << "makeglyphs: " << message << "\n";
  std::exit(1);
}

bool inked(const FT_Bitmap& bitmap, unsigned row, unsigned column) {
  const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
  return (line[column >> 3] & (0x80 >> (column & 7))) != 0;
}

Glyph crop(const FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  int first = -1, last = -1, top = -1, bottom = -1;
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    for (unsigned column = 0; column < bitmap.width; ++column) {
      if (!inked(bitmap, row, column)) continue;
      if (first < 0 || static_cast<int>(column) < first) first = static_cast<int>(column);
      if (static_cast<int>(column) > last) last = static_cast<int>(column);
      if (top < 0) top = static_cast<int>(row);
      bottom = static_cast<int>(row);
    }
  }
  Glyph glyph;
  // The outline's advance (16.16) rounded, not the hinter's.
  glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
  if (first < 0) return glyph;  // a blank
  glyph.left = slot->bitmap_left + first;
  glyph.top = slot->bitmap_top - top;
  glyph.width = last - first + 1;
  glyph.rows = bottom - top + 1;
  if (glyph.width > MAXWIDTH) fail("a glyph wider than " + std::to_string(MAXWIDTH) + " pixels");
  for (int row = top; row <= bottom; ++row) {
    std::uint32_t bits = 0;
    for (int column = first; column <= last; ++column) {
      if (inked(bitmap, static_cast<unsigned>(row), static_cast<unsigned>(column))) {
        bits |= 0x80000000u >> (column - first);
      }
    }
    glyph.bits.push_back(bits);
  }
  return glyph;
}

Face render(FT_Library library, const char* path, long hinting) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, path, 0, &face) != 0) fail(std::string("cannot load ") + path);
  FT_Size_RequestRec request{};
  request.type = FT_SIZE_REQUEST_TYPE_CELL;
  request.height = FT_Long{CELLHEIGHT} * 64;
  if (FT_Request_Size(face, &request) != 0) fail(std::string("cannot size ") + path);
  Face result;
  result.ascent = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
  auto flags = static_cast<FT_Int32>(hinting | FT_LOAD_FORCE_AUTOHINT);
  for (int code = FIRSTCHAR; code <= LASTCHAR; ++code) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), flags) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0 ||
        face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
      fail(std::string("cannot render character ") + std::to_string(code) + " of " + path);
    }
    result.glyphs.push_back(crop(face->glyph));
  }
  FT_Done_Face(face);
  return result;
}

void write(std::ostream& out, const Face& face, const char* name) {
  out << "const std::uint32_t " << name << "bits[] = {";
  std::size_t count = 0;
  for (const Glyph& glyph : face.glyphs) {
    for (std::uint32_t row : glyph.bits) {
      out << (count++ % 6 == 0 ? "\n    " : " ") << "0x" << std::hex << row << std::dec << "u,";
    }
  }
  out << "\n    0};\n\n";
}

void write(std::ostream& out, const Face& face, const char* name, const char* comment) {
  out << "    // " << comment << "\n    {" << face.ascent << ",\n     {";
  std::size_t offset = 0;
  for (std::size_t i = 0; i < face.glyphs.size(); ++i) {
    const Glyph& glyph = face.glyphs[i];
    out << (i == 0 ? "" : "      ") << "{" << glyph.left << ", " << glyph.top << ", " << glyph.width
        << ", " << glyph.rows << ", " << glyph.advance << ", " << name << "bits + " << offset
        << "},";
    char code = static_cast<char>(FIRSTCHAR + i);
    if (code == ' ') {
      out << "  // space";
    } else if (code != '\\') {  // a backslash would continue the comment
      out << "  // " << code;
    }
    out << "\n";
    offset += glyph.bits.size();
  }
  out << "     }},\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) fail("usage: makeglyphs REGULAR BOLD OUT");
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) fail("cannot start FreeType");
  Face regular = render(library, argv[1], FT_LOAD_TARGET_MONO);
  Face bold = render(library, argv[2], FT_LOAD_TARGET_LIGHT);
  FT_Done_FreeType(library);

  std::ostringstream out;
  out << "// The text faces' glyphs, made by makeglyphs at build time; do not edit.\n"
      << "#include \"render/platform/raster/fonts.h\"\n\n"
      << "namespace vx::platform {\n\nnamespace {\n\n";
  write(out, regular, "regular");
  write(out, bold, "bold");
  out << "}  // namespace\n\nconst Face faces[2] = {\n";
  write(out, regular, "regular", argv[1]);
  write(out, bold, "bold", argv[2]);
  out << "};\n\n}  // namespace vx::platform\n";

  // Written aside and moved into place, so that an interrupted build leaves no half table.
  std::string aside = std::string(argv[3]) + ".tmp";
  std::ofstream file(aside, std::ios::binary);
  file << out.str();
  file.close();
  if (!file || std::rename(aside.c_str(), argv[3]) != 0)
    fail(std::string("cannot write ") + argv[3]);
  return 0;
}
