/* My first vx application: a button that counts its presses, written in C. */
#include <stdio.h>

#include "vx.h"

static int presses;

/* Writes the count into the field "total", over what was there. */
static void show_total(void) {
  int left, top, width, height;
  unsigned char colour;
  char text[40];
  VXgetfieldinfo("total", &left, &top, &width, &height, &colour);
  VXselectwindow("root");
  VXsetcolor(VXgetcolor("white"));
  VXwfillrect(left, top, width, height);
  VXsetcolor(colour);
  snprintf(text, sizeof text, "Pressed %d times", presses);
  VXwwritetext(left, top + height - 7, text); /* y is the baseline */
}

static int count_func(const char* name) {
  (void)name;
  presses++;
  show_total();
  return 0;
}

static int quit_func(const char* name) {
  (void)name;
  VXinterfaceexit(NULL);
}

/* The whole screen is drawn again: the windows, then what the program wrote. */
static int redraw(void) {
  VXredrawall();
  show_total();
  return 0;
}

static const FunctionEntry table[] = {
    VXNAMEENTRY("count_func", count_func),
    VXNAMEENTRY("quit_func", quit_func),
    VXPLAINENTRY("redraw", redraw),
};

int main(int argc, char** argv) {
  VXsetfunctiontable(table, (int)(sizeof table / sizeof table[0]));
  VXinterfaceinit("My first vx application", "first.inf", BSTORE, "w", 16, NULL, NULL,
                  VXcommandline(argc, argv), 1);
  VXmainloop();
}
