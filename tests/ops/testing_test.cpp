// vx_test.h as its users use it: the demonstration's own start-up brought up headless
// and compared with the tour's golden pictures (the example of docs/testing.md, kept in
// step with it), and a small interface driven through every part of the API.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "render/platform/backend.h"
#include "support/fixture.h"
#include "vx.h"
#include "vx_test.h"
#include "zeftest.h"

#define GOLDEN VX_DATA "/tour/"

namespace {

// docs/testing.md shows this fixture as a user writes it, on ::testing::Test and without
// the lines that give each test a fresh working directory holding the program's files.
class Zeftest : public vxtest::VxTest {
 protected:
  void SetUp() override {
    vxtest::VxTest::SetUp();
    for (const char* file : {"zeftest.inf", "logo.rl4", "version.txt"})
      std::filesystem::copy_file(std::filesystem::path(ZEF_SOURCE) / file, file,
                                 std::filesystem::copy_options::overwrite_existing);
    VXteststart();
    zeftest::start("zeftest");  // the program's own start-up, unchanged
    VXtestrun(10);              // the first paint, then 100 ms
  }
  void TearDown() override {
    VXteststop();
    vxtest::VxTest::TearDown();
  }
};

TEST_F(Zeftest, ShapeTurnsFillingAndBordersOn) {
  int x = 0, y = 0;
  EXPECT_EQ(VXtestcompare(GOLDEN "tour-1-start.png", &x, &y), 0) << "first at " << x << ", " << y;

  VXtestclick(257, 60);  // "Shape" opens its menu, a check list
  VXtestrun(1);
  VXtestclick(260, 86);  // "Fill new rectangles"
  VXtestrun(1);
  VXtestclick(260, 101);  // "Border new rectangles"
  VXtestrun(1);
  EXPECT_TRUE(zeftest::state.fill);
  EXPECT_TRUE(zeftest::state.border);
  EXPECT_EQ(VXtestpixel(215, 85), VXgetcolor("ink"));  // the first item's check mark
  EXPECT_EQ(VXtestcompare(GOLDEN "tour-2-shape.png", &x, &y), 0) << "first at " << x << ", " << y;
}

#ifndef _WIN32  // the test program runs again through a POSIX shell
// VX_UPDATE_GOLDENS is the user's way to take new pictures in their own suite; the
// project's suite leaves its committed ones alone and compares with them all the same.
class ZeftestGoldens : public vxtest::VxTest {};

TEST_F(ZeftestGoldens, TheSuiteNeverRewritesThem) {
  namespace fs = std::filesystem;
  auto before = fs::last_write_time(GOLDEN "tour-1-start.png");
  std::string command = "VX_UPDATE_GOLDENS=1 '" + fs::read_symlink("/proc/self/exe").string() +
                        "' --gtest_filter=Zeftest.ShapeTurnsFillingAndBordersOn >run.txt 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << vxtest::readfile("run.txt");
  EXPECT_EQ(fs::last_write_time(GOLDEN "tour-1-start.png"), before);
}
#endif

// A second bring-up in the process starts from exactly the state of the first: the same
// use of the program gives the same screen and the same last action.
TEST_F(Zeftest, ASecondBringUpBehavesAsTheFirst) {
  auto use = [] {
    for (auto [x, y] : {std::pair{257, 60}, {260, 86}, {600, 300}, {100, 60}, {60, 116}}) {
      VXtestclick(x, y);  // fill new rectangles, then a colour from a menu left open
      VXtestrun(1);
    }
    VXtestdrag(60, 140, 220, 250, 8);
    VXtestmove(200, 380);
    VXtesttype("vx draws this, and more words until the line is full and then some more");
    VXtestclick(60, 330);  // drops the text, under the alert the full line brought up
    VXtestrun(30);
    std::vector<int> screen;
    for (int y = 0; y < 480; y++)
      for (int x = 0; x < 640; x++) screen.push_back(VXtestpixel(x, y));
    VXlastaction last;
    VXgetlastaction(&last);
    return std::pair{screen, std::string(last.name) + "/" + last.value.text};
  };
  auto first = use();
  VXteststop();
  VXteststart();
  zeftest::start("zeftest");
  VXtestrun(10);
  auto second = use();
  EXPECT_EQ(first.second, second.second);
  EXPECT_TRUE(first.first == second.first) << "the screens differ";
}

TEST_F(Zeftest, QuitEndsTheProgramWell) {
  EXPECT_EXIT(
      {
        VXtestclick(570, 60);  // "Quit": its callback calls VXinterfaceexit(NULL)
        VXtestrun(1);
      },
      ::testing::ExitedWithCode(0), "");
}

// A button that writes its name down, one that waits for events from inside its
// callback, a drag area and a keyboard handler.
constexpr const char* SMALL =
    "window(root 0 0 640 480 black white black 0 1 0)\n"
    "button(ok |OK| 10 10 60 20 black dgray lgray note 1 1 0 C)\n"
    "button(wait |W| 100 10 60 20 black dgray lgray waitabit 1 1 0 C)\n"
    "dragarea(pad 20 100 200 100 white drag 1)\n"
    "function(keys 0 0)\n";

std::string heard;

int note(const char* name) {
  heard.append(name).append(" ");
  return 0;
}

int drag(int x, int y, int code, const char*) {
  heard += vxtest::numbered("d", code) + vxtest::numbered("@", x) + vxtest::numbered(",", y) + " ";
  return 0;
}

int keys(int, int, int key) {
  heard += vxtest::numbered("k", key) + " ";
  return 0;
}

int waitabit(const char* name) {
  VXprocessevents();
  return note(name);
}

const FunctionEntry TABLE[] = {
    {"note", note}, {"drag", drag}, {"keys", keys}, {"waitabit", waitabit}};

class TestDriver : public vxtest::VxTest {
 protected:
  void TearDown() override {
    VXteststop();
    vxtest::VxTest::TearDown();
  }

  // Asked for a window, a test gets none: test mode decides the back-end.
  static void bringup() {
    VXteststart();
    VXsetfunctiontable(TABLE, 4);
    vxtest::writefile("small.inf", SMALL);
    // The system's window (sdl, win32 on Windows), which test mode overrules.
    std::string window = std::string("--vx-backend=") + vx::platform::backends.front().name;
    VXinterfaceinit("small", "small.inf", BSTORE, "w", 16, nullptr, nullptr, window.c_str(), 0);
    VXsetkeyboardhandler("keys");
  }
};

TEST_F(TestDriver, DrivesAnInterfaceAndComparesItsScreen) {
  bringup();
  heard.clear();
  VXtestclick(40, 20);  // posted before the first paint, dispatched after it
  VXtestrun(0);
  VXtestdrag(30, 110, 90, 150, 2);
  VXtestkey(ARROWUP);
  VXtestkey(VXCTRL('t'));  // the library's own: it never reaches the handler
  VXtesttype("hi");
  VXtestrun(3);
  EXPECT_EQ(heard, "ok d4@10,10 d1@40,30 d4@40,30 d2@70,50 d4@70,50 d3@70,50 k30 k104 k105 ");
  EXPECT_EQ(VXtesttime(), 30u);
  heard.clear();
  VXtestclick(130, 20);  // nothing is left for its VXprocessevents: a tick passes
  VXtestrun(0);
  EXPECT_EQ(heard, "d6@110,-80 wait ");  // leaving the drag area, then the click
  EXPECT_EQ(VXtesttime(), 40u);
  EXPECT_EQ(VXtestbeeps(), 0);
  EXPECT_EQ(VXtestpixel(40, 20), VXgetcolor("lgray"));
  EXPECT_EQ(VXtestpixel(640, 0), -1);

  int x = 0, y = 0;
  ASSERT_EQ(VXtestscreenshot("shot.png"), 1);
  EXPECT_EQ(VXtestcompare("shot.png", &x, &y), 0);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(y, -1);
  VXselectwindow("root");
  VXsetcolor(VXgetcolor("red"));
  VXwfillrect(300, 200, 3, 2);
  EXPECT_EQ(VXtestcompare("shot.png", &x, &y), 6);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 200);
  setenv("VX_UPDATE_GOLDENS", "1", 1);
  EXPECT_EQ(VXtestcompare("shot.png", nullptr, nullptr), 0);
  unsetenv("VX_UPDATE_GOLDENS");
  EXPECT_EQ(VXtestcompare("shot.png", nullptr, nullptr), 0);

  // Files it cannot use are the test's result, not the end of it.
  vxtest::writefile("text.png", "not a picture");
  vxtest::writefile("small.png",  // 2 x 1 pixels
                    std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x01\x08\x02\0\0\0"
                                "\x7b\x40\xe8\xdd\0\0\0\x0dIDAT\x78\x9c\x63\xf8\xcf\xc0\0\x44\0\x08"
                                "\xfe\x01\xff\xc6\x9e\x79\xf7\0\0\0\0IEND\xae\x42\x60\x82",
                                70));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(VXtestcompare("missing.png", &x, &y), -1);
  EXPECT_EQ(VXtestcompare("text.png", &x, &y), -1);
  EXPECT_EQ(VXtestcompare("small.png", &x, &y), -1);
  EXPECT_EQ(VXtestscreenshot("nowhere/shot.png"), 0);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said,
            "VXtestcompare: Couldn't read |missing.png|: No such file or directory\n"
            "VXtestcompare: Couldn't read |text.png|: Not a PNG file\n"
            "VXtestcompare: Couldn't read |small.png|: 2 x 1 pixels, not 640 x 480\n"
            "VXtestscreenshot: Couldn't write |nowhere/shot.png|: No such file or directory\n");
  VXteststop();
  EXPECT_EQ(vxtest::readfile("error.log"), vxtest::banner() + said);
}

// Ticks and keys before any motion happen where the loop put the pointer.
TEST_F(TestDriver, ThePointerStartsAtTheCentre) {
  bringup();
  VXtestkey('a');
  VXtestrun(1);
  int x = 0, y = 0;
  VXwgetpointer(&x, &y);
  EXPECT_EQ(x, 320);
  EXPECT_EQ(y, 240);
}

TEST_F(TestDriver, MistakesAreFatalAndNameTheFunction) {
  const std::string untested =
      "VXtestclick: not in test mode; call VXteststart before the application's start-up\n";
  EXPECT_FATAL(VXtestclick(1, 2), untested, vxtest::banner() + untested);
  const std::string none =
      "VXtestrun: no interface is up; call the application's start-up after VXteststart\n";
  EXPECT_FATAL(
      {
        VXteststart();
        VXtestrun(0);
      },
      none, vxtest::banner() + none);
  for (auto [mistake, message] : {
           std::pair<void (*)(), std::string>{[] { VXtestkey(256); },
                                              "VXtestkey: the key code 256 is outside 0 to 255\n"},
           {[] { VXtestmove(0, 40000); },
            "VXtestmove: the coordinate 40000 is outside -32768 to 32767\n"},
           {[] { VXtestdrag(0, 0, 9, 9, 0); }, "VXtestdrag: 0 steps; a drag takes 1 to 10000\n"},
           {[] { VXmainloop(); }, "VXmainloop: a test dispatches with VXtestrun instead\n"},
       })
    EXPECT_FATAL(
        {
          bringup();
          mistake();
        },
        message, vxtest::banner() + message);
}

}  // namespace
