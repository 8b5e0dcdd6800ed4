// The public header from C++: tables built straight from functions.
#include <gtest/gtest.h>

#include "vx.h"

namespace {

int named(const char*) { return 1; }
int dragged(int, int, int, const char*) { return 2; }
int evented(int, int, int) { return 3; }
int plain() { return 4; }

constexpr FunctionEntry table[] = {{"named", named},
                                   {"dragged", dragged},
                                   {"evented", evented},
                                   {"plain", plain},
                                   VXPLAINENTRY("macro", plain)};

TEST(PublicHeader, CppTablesRecordTheFormOfEachFunction) {
  EXPECT_EQ(table[0].form, VXFORM_NAME);
  EXPECT_EQ(table[1].form, VXFORM_DRAG);
  EXPECT_EQ(table[2].form, VXFORM_EVENT);
  EXPECT_EQ(table[3].form, VXFORM_PLAIN);
  EXPECT_EQ(table[4].form, VXFORM_PLAIN);
  EXPECT_EQ(table[1].call.drag(0, 0, 0, nullptr), 2);
  static_assert(sizeof(Event) == 6);
}

}  // namespace
