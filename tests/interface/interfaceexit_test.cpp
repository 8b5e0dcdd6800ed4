// How the program ends through VXinterfaceexit, and what runs on every end.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "events/keys.h"
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

void leavemark() {
  std::FILE* mark = std::fopen("atexit.txt", "ab");
  if (mark == nullptr) return;
  std::fputs("ran\n", mark);
  std::fclose(mark);
}

// The program's atexit handlers run however it ends: normally, on a fatal report, and
// on Control-Q.
TEST_F(InterfaceExit, EveryEndRunsTheAtexitHandlers) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  EXPECT_EXIT(
      {
        std::atexit(leavemark);
        VXinterfaceexit(nullptr);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        std::atexit(leavemark);
        VXerror(-1, "bye\n");
      },
      ::testing::ExitedWithCode(255), "");
  EXPECT_EXIT(
      {
        std::atexit(leavemark);
        vx::processkey(0, 0, 17);
      },
      ::testing::ExitedWithCode(255), "");
  EXPECT_EQ(vxtest::readfile("atexit.txt"), "ran\nran\nran\n");
}

}  // namespace
