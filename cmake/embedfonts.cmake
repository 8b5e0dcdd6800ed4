# Writes OUT, a C++ source holding the bytes of the two text faces, so that a running
# program needs no font file. Run at build time with -DREGULAR=... -DBOLD=... -DOUT=...
function(vx_embed name path)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  set(text "${text}const unsigned char ${name}data[] = {${bytes}};\n")
  set(text "${text}const std::size_t ${name}size = ${size};\n" PARENT_SCOPE)
endfunction()

set(text "// Generated from the font files at build time; do not edit.\n")
set(text "${text}#include \"render/platform/raster/fonts.h\"\n\nnamespace vx::platform {\n\n")
vx_embed(regularfont "${REGULAR}")
vx_embed(boldfont "${BOLD}")
set(text "${text}\n}  // namespace vx::platform\n")
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
