// VXwritepalette: the first 16 palette entries as text, for debugging.
#include <cstdio>

#include "vx.h"

void VXwritepalette(const unsigned char (*table)[3]) {
  if (table == nullptr) {
    VXerror(0, "VXwritepalette: no palette table given; palette.txt not written.\n");
    return;
  }
  std::FILE* file = VXopenfile("palette.txt", "wb");
  if (file == nullptr) {
    VXerror(0, "Error opening palette file for writing.\n");
    return;
  }
  for (int i = 0; i < 16; i++)
    std::fprintf(file, "%2d  %2d  %2d\n", table[i][0], table[i][1], table[i][2]);
  std::fclose(file);
}
