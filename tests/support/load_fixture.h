// Loading description files in tests: a callback table with one row of each form,
// a fresh drawing state for the text widths, and the file written from a string.
#pragma once

#include <string>

#include "support/fixture.h"
#include "vx.h"

namespace vxtest {

// Rows: "press" and "menu" (name), "drag" (drag), "tick" (event), "dismiss" and
// "redraw" (plain).
class LoadTest : public VxTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `text` to "test.inf" and loads it with the given colour count.
  static void load(const std::string& text, int colors = 16);
};

// The callback rows, for comparing bound entries.
const FunctionEntry* row(const char* name);

}  // namespace vxtest

// Loading `text` must end the process with `message` as its report.
#define EXPECT_LOADFATAL(text, message) \
  EXPECT_FATAL(load(text), message, vxtest::banner() + (message))
