// The panel in this process, through vx_test.h: its own start-up, headless, in a fresh
// folder for each test, with the mouse driven and the virtual clock advanced here.
#include "panel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "vx_test.h"

namespace fs = std::filesystem;

namespace {

// Screen positions of what the tests press.
constexpr int PLUS[] = {242, 154};
constexpr int START[] = {66, 110};
constexpr int OPTIONS[] = {398, 24}, UNITS[] = {420, 50}, LEGEND[] = {420, 80}, AWAY[] = {200, 420};
constexpr int QUIT[] = {582, 24};
constexpr int HELP[] = {490, 24}, HELPNEXT[] = {471, 414}, HELPCLOSE[] = {169, 414};
constexpr int ALERTOK[] = {320, 261};

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("panel-test-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::current_path(folder);
  }
  void TearDown() override {
    VXteststop();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder);
  }

  // The program's start-up, unchanged, then the first paint.
  static void start() {
    VXteststart();
    panel::Setup setup;
    setup.datadir = PANEL_DATA;
    panel::start(setup, "panel");
    VXtestrun(1);
  }
  static void click(const int (&at)[2]) {
    VXtestclick(at[0], at[1]);
    VXtestrun(1);
  }
  static int state(const char* window, const char* button) {
    int active = 0;
    VXgetbuttoninfo(window, button, nullptr, nullptr, nullptr, nullptr, &active);
    return active;
  }

  fs::path folder;
};

std::string readfile(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(Panel, PlusRepeatsWhileHeldOnTheVirtualClock) {
  start();
  VXtestpress(PLUS[0], PLUS[1]);
  VXtestrun(90);
  EXPECT_EQ(panel::state.setpoint, 1200) << "no repeat before a second";
  VXtestrun(140);  // 2.3 s held: calls at 1, 1.5 and 2 s
  EXPECT_EQ(panel::state.setpoint, 1230);
  VXtestrelease(PLUS[0], PLUS[1]);
  VXtestrun(1);
  EXPECT_EQ(panel::state.setpoint, 1240) << "and the release, on the button, is a click";
  LastAction last{};
  VXgetlastaction(&last);
  EXPECT_STREQ(last.value.text, "plus");
}

TEST_F(Panel, QuitSavesTheStateAndTheNextStartTakesItUpAgain) {
  // A damaged state file: the panel says so, and starts with its defaults.
  std::ofstream("panel.state") << "not a state file";
  start();
  EXPECT_TRUE(panel::shown("alert"));
  EXPECT_NE(readfile("error.log").find("The state file panel.state could not be used"),
            std::string::npos);
  click(ALERTOK);
  EXPECT_FALSE(panel::shown("alert"));
  EXPECT_EQ(panel::state.setpoint, 1200);

  click(START);
  click(PLUS);
  click(OPTIONS);
  click(UNITS);
  click(LEGEND);
  click(AWAY);
  VXtestrun(200);
  EXPECT_FALSE(panel::shown("legend"));
  EXPECT_EXIT(click(QUIT), ::testing::ExitedWithCode(0), "");

  VXteststop();
  start();
  EXPECT_FALSE(panel::shown("alert"));
  EXPECT_TRUE(panel::state.running);
  EXPECT_EQ(state("pump", "start"), 0);
  EXPECT_EQ(state("pump", "stop"), 1);
  EXPECT_EQ(panel::state.setpoint, 1210);
  EXPECT_TRUE(panel::option("units"));
  EXPECT_FALSE(panel::shown("legend"));
  EXPECT_EQ(panel::state.starts, 1);
  EXPECT_GT(panel::state.pumped, 0);
  EXPECT_EQ(VXtestpixel(224, 110), VXgetcolor("lampon"));
}

TEST_F(Panel, HelpTurnsItsPagesAndClosesAsItOpened) {
  start();
  click(HELP);
  EXPECT_TRUE(panel::shown("help"));
  EXPECT_EQ(VXtestpixel(460, 168), VXgetcolor("white"));
  EXPECT_EQ(state("help", "helpprev"), 0);
  EXPECT_EQ(state("help", "helpnext"), 1);
  EXPECT_EQ(state("root", "quit"), -2) << "help is modal";
  click(HELPNEXT);  // the page the form feed ends
  EXPECT_EQ(state("help", "helpprev"), 1);
  EXPECT_EQ(state("help", "helpnext"), 1);
  click(HELPNEXT);
  EXPECT_EQ(state("help", "helpnext"), 0) << "the last page";
  click(HELPCLOSE);
  EXPECT_FALSE(panel::shown("help"));
  EXPECT_EQ(state("root", "quit"), 1);
  EXPECT_EQ(VXtestpixel(460, 168), VXgetcolor("roof")) << "the plan is back";
}

}  // namespace
