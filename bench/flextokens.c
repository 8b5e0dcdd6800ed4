/* The anchor of bench/check.sh: a whole process that reads a description file and counts
   its tokens with the scanner flex generates from bench/tokens.l.

   usage: vx_flextokens FILE */
#include <stdio.h>
#include <stdlib.h>

long anchortokens(const char* text, int size);

int main(int argc, char** argv) {
  FILE* file = argc == 2 ? fopen(argv[1], "rb") : NULL;
  if (file == NULL) {
    fprintf(stderr, "usage: vx_flextokens FILE\n");
    return 2;
  }
  size_t size = 0, room = 1 << 20, got;
  char* text = malloc(room);
  while (text != NULL && (got = fread(text + size, 1, room - size, file)) > 0) {
    size += got;
    if (size < room) continue;
    char* larger = realloc(text, room *= 2);
    if (larger == NULL) free(text);
    text = larger;
  }
  fclose(file);
  if (text == NULL) return 1;
  printf("%ld tokens\n", anchortokens(text, (int)size));
  free(text);
  return 0;
}
