#include "support/interface_fixture.h"

#include "render/platform/platform.h"
#include "vx.h"

namespace vxtest {

void InterfaceTest::SetUp() { LoadTest::SetUp(); }

void InterfaceTest::TearDown() {
  VXPclose();
  LoadTest::TearDown();
}

void InterfaceTest::bringup(const std::string& text, int bstore, int colors) {
  writefile("test.inf", text);
  VXinterfaceinit("test", "test.inf", bstore, "w", colors, nullptr, nullptr,
                  "--vx-backend=headless", 0);
}

}  // namespace vxtest
