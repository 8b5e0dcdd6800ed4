// The headless back-end through VXPgetevent: replay scripts, the test queue, virtual
// time and how a run ends.
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "render/platform/platform.h"
#include "support/fixture.h"
#include "vx.h"

namespace {

using vxtest::banner;
namespace headless = vx::platform::headless;

class HeadlessEvents : public vxtest::VxTest {};

struct Expected {
  int type;
  int key;
  int x;
  int y;
  unsigned long time;
};

void expectsequence(const std::vector<Expected>& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    Event event{};
    ASSERT_EQ(VXPgetevent(&event), 1);
    const Expected& e = expected[i];
    EXPECT_EQ(event.type, e.type) << "event " << i;
    EXPECT_EQ(event.key, e.key) << "event " << i;
    EXPECT_EQ(event.x, e.x) << "event " << i;
    EXPECT_EQ(event.y, e.y) << "event " << i;
    EXPECT_EQ(headless::time(), e.time) << "event " << i;
  }
}

TEST_F(HeadlessEvents, ScriptGivesEventsWithVirtualTime) {
  vxtest::writefile("tour.txt",
                    "# a tour\n"
                    "\n"
                    "move 10 20\n"
                    "click 30 40\r\n"
                    "   key Return\n"
                    "type a b\r\n"
                    "wait 35\n"
                    "expose\r\n"
                    "drag 0 0 20 10 2\n"
                    "press -1 -1\n"
                    "screenshot shot.png\r\n"
                    "key ctrl-Q\n"
                    "quit\r\n");
  VXPopenwindow("t", nullptr, nullptr, "app --vx-replay=tour.txt", 1);
  const int K = KEYPRESS, M = MOTION;
  expectsequence({
      {EXPOSE, 0, 320, 240, 0},  // the window's first paint, the pointer at the centre
      {M, 0, 10, 20, 0},
      {M, 0, 10, 20, 10},  // every action is followed by one tick
      {BUTTONPRESS, 0, 30, 40, 10},
      {BUTTONRELEASE, 0, 30, 40, 10},
      {M, 0, 30, 40, 20},
      {K, 13, 30, 40, 20},  // a key leaves the position as it was
      {M, 13, 30, 40, 30},  // a tick keeps the whole record
      {K, 'a', 30, 40, 30},
      {K, ' ', 30, 40, 30},
      {K, 'b', 30, 40, 30},
      {M, 'b', 30, 40, 40},
      {M, 'b', 30, 40, 50},  // wait 35: three ticks, no tick of its own
      {M, 'b', 30, 40, 60},
      {M, 'b', 30, 40, 70},
      {EXPOSE, 'b', 30, 40, 70},  // stale coordinates
      {M, 'b', 30, 40, 80},
      {BUTTONPRESS, 'b', 0, 0, 80},
      {M, 'b', 10, 5, 80},
      {M, 'b', 20, 10, 80},
      {BUTTONRELEASE, 'b', 20, 10, 80},
      {M, 'b', 20, 10, 90},
      {BUTTONPRESS, 'b', -1, -1, 90},
      {M, 'b', -1, -1, 100},
      {K, 17, -1, -1, 100},
      {M, 17, -1, -1, 110},
  });
  // The screenshot was taken on the way; the quit line ends the program normally.
  EXPECT_TRUE(std::filesystem::exists("shot.png"));
  EXPECT_EXIT(VXPgetevent(nullptr), ::testing::ExitedWithCode(0), "");
}

TEST_F(HeadlessEvents, QueuedEventsComeBeforeTheScriptAndBringNoTicks) {
  vxtest::writefile("s.txt", "key x\n");
  VXPopenwindow("t", nullptr, nullptr, "--vx-replay=s.txt", 1);
  headless::pushpress(5, 6);
  headless::pushtick(2);
  headless::pushrelease(7, 8);
  headless::pushkey(ARROWUP);
  headless::pushmove(9, 10);
  expectsequence({
      {EXPOSE, 0, 320, 240, 0},
      {BUTTONPRESS, 0, 5, 6, 0},
      {MOTION, 0, 5, 6, 10},
      {MOTION, 0, 5, 6, 20},
      {BUTTONRELEASE, 0, 7, 8, 20},
      {KEYPRESS, ARROWUP, 7, 8, 20},
      {MOTION, ARROWUP, 9, 10, 20},
      {KEYPRESS, 'x', 9, 10, 20},
      {MOTION, 'x', 9, 10, 30},
  });
}

TEST_F(HeadlessEvents, StopwatchRunsOnTheVirtualClock) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  headless::pushtick(5);
  Event event;
  VXPgetevent(&event);
  EXPECT_EQ(VXPmarktime(), 0u);
  for (int i = 0; i < 5; ++i) VXPgetevent(&event);
  EXPECT_EQ(VXPelapsed(), 50u);
}

TEST_F(HeadlessEvents, ExhaustedQueueQuitsWithStatusZeroAndTheQuitLineToo) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  Event event;
  VXPgetevent(&event);
  EXPECT_EQ(event.type, EXPOSE);
  EXPECT_EXIT(VXPgetevent(&event), ::testing::ExitedWithCode(0), "");

  vxtest::writefile("q.txt", "quit\nkey a\n");
  VXPopenwindow("t", nullptr, nullptr, "--vx-replay=q.txt", 1);
  VXPgetevent(&event);
  // The quit line ends the run before the key.
  EXPECT_EXIT(
      {
        VXPgetevent(&event);
        std::exit(event.type == KEYPRESS ? 3 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(HeadlessEvents, DevicesAreRecorded) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  EXPECT_FALSE(headless::pointer(nullptr, nullptr));
  VXPbeep();
  VXPbeep();
  VXPsetpointer(12, 34);
  int x = 0, y = 0;
  ASSERT_TRUE(headless::pointer(&x, &y));
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 34);
  EXPECT_EQ(headless::beeps(), 2);
  EXPECT_EQ(VXPmousepresent(), 1);
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(VXPisterminal(file), 0);
  EXPECT_EQ(VXPisterminal(nullptr), 0);
  std::fclose(file);
  VXPclose();
  VXPclose();  // closing twice is harmless
}

TEST_F(HeadlessEvents, WithoutADisplayTheProgramRunsHeadless) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  VXPopenwindow("t", nullptr, nullptr, "app file.inf", 1);
  headless::pushkey('k');
  Event event;
  VXPgetevent(&event);
  VXPgetevent(&event);
  EXPECT_EQ(event.type, KEYPRESS);
  EXPECT_EQ(event.key, 'k');
}

struct BadLine {
  std::string script;
  const char* message;
};

TEST_F(HeadlessEvents, BadScriptLinesAreFatalWithFileAndLine) {
  const BadLine cases[] = {
      {"move 1 2\njump 1 2\n", "bad.txt:2: unknown action: |jump 1 2|\n"},
      {"move 1\n", "bad.txt:1: wrong number of values: |move 1|\n"},
      {"# c\nclick 1 x\n", "bad.txt:2: bad coordinate: |click 1 x|\n"},
      {"press 1 40000\n", "bad.txt:1: bad coordinate: |press 1 40000|\n"},
      {"key Enter\n", "bad.txt:1: unknown key: |key Enter|\n"},
      {"key ctrl-1\n", "bad.txt:1: unknown key: |key ctrl-1|\n"},
      {"wait -5\n", "bad.txt:1: bad time: |wait -5|\n"},
      {"wait 10ms\n", "bad.txt:1: bad time: |wait 10ms|\n"},
      {"drag 0 0 1 1 0\n", "bad.txt:1: bad step count: |drag 0 0 1 1 0|\n"},
      {"type\n", "bad.txt:1: nothing to type: |type|\n"},
      {"expose now\n", "bad.txt:1: wrong number of values: |expose now|\n"},
      {"screenshot\n", "bad.txt:1: screenshot needs a file name: |screenshot|\n"},
      {std::string("move 1\0 2\n", 11), "bad.txt:1: NUL byte: |move 1|\n"},
  };
  for (const BadLine& c : cases) {
    SCOPED_TRACE(c.script);
    vxtest::writefile("bad.txt", c.script);
    EXPECT_TOOLKITFATAL(VXPopenwindow("t", nullptr, nullptr, "--vx-replay=bad.txt", 1), c.message);
  }
}

TEST_F(HeadlessEvents, ScriptsThatCannotBeReadAndUnwritableScreenshotsAreFatal) {
  EXPECT_TOOLKITFATAL(VXPopenwindow("t", nullptr, nullptr, "--vx-replay=none.txt", 1),
                      "Couldn't open the replay script |none.txt|: No such file or directory\n");
  std::filesystem::create_directory("folder");
  // A folder opens here and fails at the first read; Windows will not open it.
#ifdef _WIN32
  EXPECT_TOOLKITFATAL(VXPopenwindow("t", nullptr, nullptr, "--vx-replay=folder", 1),
                      "Couldn't open the replay script |folder|: Is a directory\n");
#else
  EXPECT_TOOLKITFATAL(VXPopenwindow("t", nullptr, nullptr, "--vx-replay=folder", 1),
                      "folder:1: Couldn't read the replay script: Is a directory\n");
#endif
  vxtest::writefile("s.txt", "\nscreenshot no/such/dir/a.png\n");
  VXPopenwindow("t", nullptr, nullptr, "--vx-replay=s.txt", 1);
  Event event;
  VXPgetevent(&event);
  EXPECT_TOOLKITFATAL(
      VXPgetevent(&event),
      "s.txt:2: Couldn't write the screenshot |no/such/dir/a.png|: No such file or directory\n");
}

// Lines are played as they are reached: a script's memory is its own size, however
// many events its lines stand for. (Address space is what the limit bounds, and the
// sanitizers reserve terabytes of it.)
// The limit is set the POSIX way: not on Windows.
#ifndef _WIN32
TEST_F(HeadlessEvents, ALongScriptOfLongDragsTakesLittleMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's reservations exceed any limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "the address sanitizer's reservations exceed any limit";
#endif
#endif
  std::string script;
  // Some 200 million events: gigabytes, had they been made in advance.
  for (int i = 0; i < 20000; ++i) script += "drag 0 0 639 479 10000\n";
  vxtest::writefile("long.txt", script);
  EXPECT_EXIT(
      {
        long pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (statm == nullptr || std::fscanf(statm, "%ld", &pages) != 1) std::exit(2);
        std::fclose(statm);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (256u << 20);
        if (setrlimit(RLIMIT_AS, &limit) != 0) std::exit(3);
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=long.txt", 1);
        Event event;
        for (int i = 0; i < 30000; ++i) VXPgetevent(&event);
        std::exit(event.type == MOTION ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
