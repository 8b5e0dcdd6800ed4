// Tests of the demonstration program: in this process, brought up headless from its own
// description, logo and version file with events handed to its callbacks one at a time;
// or run as its users run it, from a folder of its own.
#pragma once

#include <string>
#include <vector>

#include "support/event_fixture.h"

namespace vxtest {

class DemoTest : public EventTest {
 protected:
  // Copies the program's files into the working directory, starts it headless and
  // dispatches the first paint.
  void SetUp() override;

  // The palette index at a main-window pixel; the index of a palette entry by name.
  static int pixel(int x, int y);
  static int color(const char* name);
};

// Copies the program and its files into the working directory; the logo only when asked.
void installdemo(bool logo = true);

// Runs the copy in the working directory with these arguments: its exit status, or -1
// when it did not exit by itself. Its standard output and error go to "stdout.txt" and
// "stderr.txt".
int rundemo(const std::vector<std::string>& arguments);

}  // namespace vxtest
