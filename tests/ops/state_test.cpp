// Saving and loading the interface's state: the file byte for byte, what loading puts
// back, and what a short or foreign file does.
#include <cstdio>
#include <string>
#include <vector>

#include "core/log.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vx::model;

namespace {

class State : public vxtest::InterfaceTest {
 protected:
  // Two windows of 3 and 2 buttons, one popup of 2 items.
  void SetUp() override {
    InterfaceTest::SetUp();
    bringup(
        "popup(menu 300 300 white black dgray black 1)\n"
        "plabel(a 1 press |A| 1)\n"
        "plabel(b 0 press |B|)\n"
        "window(root 0 0 640 480 black white black 0 1 0)\n"
        "button(b1 |1| 10 10 60 20 black dgray lgray press 1 1 0 C)\n"
        "button(b2 |2| 80 10 60 20 black dgray lgray press 1 0 0 C)\n"
        "button(b3 |3| 150 10 60 20 black dgray lgray press 1 -1 0 C)\n"
        "window(other 100 100 200 100 black white black 0 2 0)\n"
        "button(c1 |4| 10 10 60 20 black dgray lgray press 1 -2 0 C)\n"
        "button(c2 |5| 80 10 60 20 black dgray lgray press 1 1 0 C)\n");
  }
  static void save(const char* path) {
    std::FILE* file = VXopenfile(path, "wb");
    ASSERT_NE(file, nullptr);
    VXsavestate(file);
    std::fclose(file);
  }
  // VXloadstate's answer: 1 when it took every value.
  static int load(const char* path) {
    std::FILE* file = VXopenfile(path, "rb");
    if (file == nullptr) return -1;
    int whole = VXloadstate(file);
    std::fclose(file);
    return whole;
  }
  // The values as the file holds them: 4 bytes each, least significant first.
  static std::string values(const std::vector<int>& list) {
    std::string bytes;
    for (int v : list)
      for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<unsigned>(v) >> shift) & 0xFF);
    return bytes;
  }
};

TEST_F(State, TheFileHoldsEveryValueInTableOrderAndLoadingPutsThemBack) {
  save("state.bin");
  // Win[0], its 3 buttons, Win[1], its 2, Popups[0], then each item's state and mark.
  EXPECT_EQ(vxtest::readfile("state.bin"), values({1, 1, 0, -1, 2, -2, 1, 0, 1, 1, 0, 0}));

  VXredrawall();
  VXhidebutton("root", "b1", 1);
  std::uint8_t hidden = VXPgetpixel(20, 20);
  EXPECT_EQ(load("state.bin"), 1);
  EXPECT_EQ(model.Win[0].wb[0].active, 1);
  EXPECT_EQ(VXPgetpixel(20, 20), hidden);  // loading draws nothing
  VXredrawwindow("root");
  EXPECT_NE(VXPgetpixel(20, 20), hidden);
  EXPECT_EQ(vxtest::readfile("error.log"), vxtest::banner());
}

TEST_F(State, AShortOrForeignFileIsReportedValueByValueAndChangesNothingElse) {
  std::string saved = values({1, 1, 0, -1, 2, -2, 1, 0, 1, 1, 0, 0});
  vxtest::writefile("short.bin", saved.substr(0, 44));
  model.Popups[0].item[1].checked = 1;
  EXPECT_EQ(load("short.bin"), 0);
  EXPECT_EQ(model.Popups[0].item[1].checked, 1);
  EXPECT_EQ(
      vxtest::readfile("error.log"),
      vxtest::banner() + "Error while loading saved state of program.Popups[0].item[1].checked\n");

  // Values no field can hold: reported, and the fields keep theirs.
  vxtest::writefile("foreign.bin", values({99, 5, 0, -1, -1, -3, 1, 2, 2, 1, 0, 7}));
  vx::closelogs();
  EXPECT_EQ(load("foreign.bin"), 0);
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() + "Error while loading saved state of program.Win[0].active\n" +
                "Error while loading saved state of program.Win[0].wb[0].active\n" +
                "Error while loading saved state of program.Win[1].active\n" +
                "Error while loading saved state of program.Win[1].wb[0].active\n" +
                "Error while loading saved state of program.Popups[0].active \n" +
                "Error while loading saved state of program.Popups[0].item[0].active\n" +
                "Error while loading saved state of program.Popups[0].item[1].checked\n");
  EXPECT_EQ(model.Win[0].active, 1);
  EXPECT_EQ(model.Win[1].active, 2);
  EXPECT_EQ(model.Win[1].wb[0].active, -2);
  EXPECT_EQ(model.Popups[0].item[0].active, 1);
  VXredrawall();

  // A stream that cannot be written reports every value.
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  std::setvbuf(full, nullptr, _IONBF, 0);
  vx::closelogs();
  VXsavestate(full);
  std::fclose(full);
  std::string log = vxtest::readfile("error.log");
  EXPECT_EQ(log.rfind(vxtest::banner() + "Error while saving state of program.  Win[0].active\n" +
                          "Error while saving state of program.Win[0].wb[0].active\n",
                      0),
            0u)
      << log;
  EXPECT_NE(log.find("Error while saving state of program.Popups[0].item[1].checked\n"),
            std::string::npos);

  // A buffered stream takes every value and fails only when flushed: the flush at the end
  // reports it, naming the last value.
  full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  vx::closelogs();
  VXsavestate(full);
  std::fclose(full);
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() + "Error while saving state of program.Popups[0].item[1].checked\n");
}

}  // namespace
