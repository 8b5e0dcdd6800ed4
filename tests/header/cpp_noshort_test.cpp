// The public header from C++ without its short type names, beside the X Rendering
// Extension's Picture and a program's own Event; the same from C in c_noshort.c.
#include <gtest/gtest.h>

#define VX_NO_SHORT_NAMES
#include <X11/extensions/Xrender.h>

#include "vx.h"

extern "C" int c_noshort_check(void);

struct Event {
  int kind;
};

namespace {

int named(const char*) { return 1; }
int dragged(int, int, int, const char*) { return 2; }

constexpr VXfunctionentry table[] = {{"named", named}, VXDRAGENTRY("dragged", dragged)};

TEST(PublicHeader, LongNamesAloneLeaveTheShortOnesToTheProgram) {
  Picture xpicture = None;
  Event own{7};
  VXevent event{KEYPRESS, 0, 1, 2};
  EXPECT_EQ(xpicture, static_cast<Picture>(None));
  EXPECT_EQ(own.kind + event.type, 10);
  EXPECT_EQ(table[0].form, VXFORM_NAME);
  EXPECT_EQ(table[1].call.drag(0, 0, 0, nullptr), 2);
  static_assert(sizeof(VXlastaction) > sizeof(VXpicture));
  EXPECT_EQ(c_noshort_check(), 1);
}

}  // namespace
