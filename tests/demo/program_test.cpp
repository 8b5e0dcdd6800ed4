// The demonstration run as its users run it: the tour against its golden pictures, and
// the ways the program ends.
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/demo_fixture.h"
#include "support/png.h"

namespace {

class DemoProgram : public vxtest::VxTest {};

TEST_F(DemoProgram, TheTourShowsWhatItsGoldenPicturesShow) {
  vxtest::installdemo();
  ASSERT_EQ(vxtest::rundemo({"--vx-replay=" ZEF_SOURCE "/tour.replay"}), 0)
      << vxtest::readfile("stderr.txt");
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VX_DATA "/tour")) {
    std::string name = entry.path().filename().string();
    auto want = vxtest::readpng(entry.path().string().c_str());
    auto got = vxtest::readpng(name.c_str());
    ASSERT_EQ(want.size(), 640u * 480u) << name;
    ASSERT_EQ(got.size(), want.size()) << name << " was not written";
    for (std::size_t i = 0; i < want.size(); i++) {
      ASSERT_EQ(got[i], want[i]) << name << " differs first at (" << i % 640 << ", " << i / 640
                                 << "); scripts/goldens.sh takes new pictures when that is meant";
    }
    compared++;
  }
  EXPECT_EQ(compared, 8);
}

TEST_F(DemoProgram, WithoutItsLogoItEndsBeforeTheWindowOpens) {
  vxtest::installdemo(false);
  EXPECT_EQ(vxtest::rundemo({"--vx-backend=headless"}), 255);
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() + "Unable to open logo file logo.rl4\n");
}

TEST_F(DemoProgram, QuitAndTheCloseBoxEndWellAndControlQEndsWithAFailure) {
  vxtest::installdemo();
  vxtest::writefile("quit.replay", "click 570 60\nkey a\n");
  vxtest::writefile("close.replay", "quit\n");
  vxtest::writefile("ctrlq.replay", "key ctrl-q\nclick 570 60\n");
  EXPECT_EQ(vxtest::rundemo({"--vx-replay=quit.replay"}), 0);
  EXPECT_EQ(vxtest::rundemo({"--vx-replay=close.replay"}), 0);
  EXPECT_EQ(vxtest::rundemo({"--vx-replay=ctrlq.replay"}), 255);
  EXPECT_NE(
      vxtest::readfile("error.log").find("Program terminated by the user pressing 'Control-Q'."),
      std::string::npos)
      << vxtest::readfile("error.log");
}

}  // namespace
