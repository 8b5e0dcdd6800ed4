// Tests of the public operations on an interface brought up as an application does,
// headless, from a description file written by the test.
#pragma once

#include <string>

#include "support/load_fixture.h"

namespace vxtest {

// The callback rows of LoadTest; every test brings up its own description.
class InterfaceTest : public LoadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `text` to "test.inf" and runs VXinterfaceinit on it.
  static void bringup(const std::string& text, int bstore = 1, int colors = 16);
};

}  // namespace vxtest
