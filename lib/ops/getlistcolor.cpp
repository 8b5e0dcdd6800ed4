// VXgetlistcolor: one colour of a colour list.
#include "model/colors.h"
#include "vx.h"

unsigned char VXgetlistcolor(int list, int position) {
  // Lists and positions outside the table give 0, like a list never defined.
  return vx::colorlistentry(list, position);
}
