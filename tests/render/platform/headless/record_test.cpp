// --vx-record writes what the program was handed as a replay script.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <csignal>
#include <cstdlib>

#include "render/platform/platform.h"
#include "support/fixture.h"
#include "vx.h"

namespace {

// Ends the process at once, as a kill does, and how its parent sees that.
[[noreturn]] void killnow() {
#ifdef _WIN32
  TerminateProcess(GetCurrentProcess(), 9);
#else
  std::raise(SIGKILL);
#endif
  std::abort();
}
#ifdef _WIN32
const ::testing::ExitedWithCode KILLED(9);
#else
const ::testing::KilledBySignal KILLED(SIGKILL);
#endif

class Recording : public vxtest::VxTest {};

TEST_F(Recording, ReplayedSessionIsRecordedInTheScriptFormat) {
  vxtest::writefile("s.txt",
                    "wait 20\nmove 5 6\nwait 50\nclick 7 8\nkey a\nkey Left\nkey ctrl-t\n"
                    "type  \nexpose\nquit\n");
  // Each run opens its window where it ends: a death test may start the test over in a
  // new process (Windows), where a window opened before it would be opened again.
  EXPECT_EXIT(
      {
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=s.txt --vx-record=rec.txt", 1);
        Event event;
        for (;;) VXPgetevent(&event);
      },
      ::testing::ExitedWithCode(0), "");
  const char* expected =
      "# recorded session\n"
      "wait 20\n"
      "move 5 6\n"
      "wait 50\n"
      "press 7 8\n"
      "release 7 8\n"
      "key a\n"
      "key Left\n"
      "key ctrl-t\n"
      "key Space\n"
      "expose\n"
      "quit\n";
  EXPECT_EQ(vxtest::readfile("rec.txt"), expected);

  // Played back, the recording gives the same recording again.
  EXPECT_EXIT(
      {
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=rec.txt --vx-record=again.txt", 1);
        Event event;
        for (;;) VXPgetevent(&event);
      },
      ::testing::ExitedWithCode(0), "");
  std::string again = vxtest::readfile("again.txt");
  EXPECT_EQ(again, expected);

  // Killed after the click's release (its twelfth event), the program has left every line
  // so far on disk.
  EXPECT_EXIT(
      {
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=s.txt --vx-record=killed.txt", 1);
        Event event;
        for (int i = 0; i < 12; ++i) VXPgetevent(&event);
        killnow();
      },
      KILLED, "");
  EXPECT_EQ(vxtest::readfile("killed.txt"),
            "# recorded session\nwait 20\nmove 5 6\nwait 50\npress 7 8\nrelease 7 8\n");
}

// An hour and a second of idle time is more than one wait line may hold: it is recorded
// as two, and the recording plays back. The recording is the second of its process: it
// starts afresh, its first wait whole.
TEST_F(Recording, ALongIdleIsRecordedSoThatItPlaysBack) {
  vxtest::writefile("move.txt", "move 3 4\n");
  vxtest::writefile("idle.txt", "wait 3600000\nwait 1000\nmove 1 2\nquit\n");
  EXPECT_EXIT(
      {
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=move.txt --vx-record=move.rec", 1);
        Event event;
        VXPgetevent(&event);  // the first paint
        VXPgetevent(&event);  // the move
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=idle.txt --vx-record=rec.txt", 1);
        for (;;) VXPgetevent(&event);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        VXPopenwindow("t", nullptr, nullptr, "--vx-replay=rec.txt --vx-record=again.txt", 1);
        Event event;
        for (;;) VXPgetevent(&event);
      },
      ::testing::ExitedWithCode(0), "");
  const char* expected = "# recorded session\nwait 3600000\nwait 1000\nmove 1 2\nquit\n";
  EXPECT_EQ(vxtest::readfile("rec.txt"), expected);
  EXPECT_EQ(vxtest::readfile("again.txt"), expected);
}

TEST_F(Recording, ARecordingThatCannotBeWrittenIsFatal) {
  EXPECT_TOOLKITFATAL(
      VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-record=no/dir/r.txt", 1),
      "Couldn't create the recording |no/dir/r.txt|: No such file or directory\n");
  // A full disk: the first line already fails.
  EXPECT_TOOLKITFATAL(
      VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-record=/dev/full", 1),
      "Couldn't write the recording |/dev/full|: No space left on device\n");
}

}  // namespace
