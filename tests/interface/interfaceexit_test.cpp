// How the program ends through VXinterfaceexit.
#include <string>

#include "render/platform/platform.h"
#include "support/fixture.h"
#include "vx.h"

namespace {

class InterfaceExit : public vxtest::VxTest {};

TEST_F(InterfaceExit, WithoutFormatClosesTheWindowAndExitsWithZero) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-screenshot=end.png", 1);
  EXPECT_EXIT(VXinterfaceexit(nullptr), ::testing::ExitedWithCode(0), "");
  // The screenshot is written when the window closes.
  EXPECT_FALSE(vxtest::readfile("end.png").empty());
  EXPECT_EQ(vxtest::readfile("error.log"), "");
}

TEST_F(InterfaceExit, WithFormatReportsAFatalErrorCutTo255Characters) {
  EXPECT_FATAL(VXinterfaceexit("bye %d\n", 3), "bye 3\n", vxtest::banner() + "bye 3\n");
  std::string longtext(300, 'x');
  EXPECT_FATAL(VXinterfaceexit("%s", longtext.c_str()), std::string(255, 'x'),
               vxtest::banner() + std::string(255, 'x'));
}

}  // namespace
