// The drawing state an application sets before it draws or writes in a window: the
// colour, the font and the width of a text in it; and the beep.
#include "render/platform/platform.h"
#include "vx.h"

void VXsetcolor(unsigned char index) { VXPsetcolor(index); }

unsigned char VXcurrentcolor(void) { return VXPgetcolor(); }

void VXsetfont(int code) { VXPsetfont(code); }

int VXtextwidth(const char* text) { return VXPtextwidth(text); }

void VXbeep(void) { VXPbeep(); }
