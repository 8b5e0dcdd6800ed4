/* vx_test.h from C: compiled only, as a test written in C would use it. */
#include "vx_test.h"

int c_testing_drive(void) {
  int x = 0, y = 0;
  VXteststart();
  VXtestclick(10, 10);
  VXtestkey(VXCTRL('t'));
  VXtestrun(1);
  return VXtestcompare("golden.png", &x, &y);
}
