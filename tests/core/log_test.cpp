// The error log, the output log and how reports end (or do not end) the program.
#include "core/log.h"

#include <chrono>
#include <filesystem>

#include "support/fixture.h"
#include "vx.h"

using vxtest::banner;
using vxtest::readfile;

namespace {

class Logs : public vxtest::VxTest {};

TEST_F(Logs, WarningAddsExactlyItsTextAndTheProgramGoesOn) {
  testing::internal::CaptureStdout();
  VXerror(0, "warned %d of |%s|\n", 3, "x");
  VXerror(0, "again\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(readfile("error.log"), banner() + "warned 3 of |x|\nagain\n");
}

TEST_F(Logs, FirstReportOpensTheLogAndInitialisationDoesNotReopenIt) {
  vxtest::writefile("error.log", "from an earlier run\n");
  VXerror(0, "early\n");
  // The log is open now: a later opening (as initialisation does) changes nothing.
  EXPECT_EQ(VXopenerrorlog("a"), 1);
  EXPECT_EQ(VXopenerrorlog("w"), 1);
  VXerror(0, "late\n");
  EXPECT_EQ(readfile("error.log"), banner() + "early\nlate\n");
}

TEST_F(Logs, ModeAppendKeepsEarlierRunsAndAddsOneBanner) {
  std::string earlier = banner() + "first run\n";
  vxtest::writefile("error.log", earlier);
  ASSERT_EQ(VXopenerrorlog("a"), 1);
  VXerror(0, "second run\n");
  EXPECT_EQ(readfile("error.log"), earlier + banner() + "second run\n");
}

TEST_F(Logs, ModeWriteTruncates) {
  vxtest::writefile("error.log", "old content\n");
  ASSERT_EQ(VXopenerrorlog("w"), 1);
  EXPECT_EQ(readfile("error.log"), banner());
}

TEST_F(Logs, FatalReportGoesToLogAndStandardOutput) {
  EXPECT_FATAL(VXerror(-1, "Cannot open |%s|.\n", "a.inf"), "Cannot open |a.inf|.\n",
               banner() + "Cannot open |a.inf|.\n");
}

TEST_F(Logs, ReportsWithoutLineEndsRunOnIntoTheNext) {
  // A warning half, then a fatal half: one line in the log, only the fatal half on
  // standard output.
  VXerror(0, "processmouseinside: Too many overlapping drag areas.");
  EXPECT_FATAL(VXerror(-1, "Max = |%d|\n", 20), "Max = |20|\n",
               banner() + "processmouseinside: Too many overlapping drag areas.Max = |20|\n");
}

TEST_F(Logs, FatalMessageWithoutLineEndStaysOpenEnded) {
  EXPECT_FATAL(VXerror(-1, "Error:  can't have bstore # %d", 7), "Error:  can't have bstore # 7",
               banner() + "Error:  can't have bstore # 7");
}

TEST_F(Logs, OutputLogIsWrittenAndFlushedAndClosedByAFatalReport) {
  ASSERT_EQ(VXopenoutputlog("w"), 1);
  VXoutput("value %d\n", 42);
  EXPECT_EQ(readfile("output.log"), "value 42\n");
  EXPECT_FATAL(
      {
        VXoutput("before the end\n");
        VXerror(-1, "stop\n");
      },
      "stop\n", banner() + "stop\n");
  EXPECT_EQ(readfile("output.log"), "value 42\nbefore the end\n");
}

TEST_F(Logs, OutputLogAppends) {
  vxtest::writefile("output.log", "kept\n");
  ASSERT_EQ(VXopenoutputlog("a"), 1);
  VXoutput("%s\n", "added");
  EXPECT_EQ(readfile("output.log"), "kept\nadded\n");
}

TEST_F(Logs, AFailingOutputLogIsReportedOnceAndTheProgramGoesOn) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that is always full";
#endif
  std::filesystem::create_symlink("/dev/full", "output.log");
  ASSERT_EQ(VXopenoutputlog("w"), 1);
  VXoutput("lost %d\n", 1);
  VXoutput("lost %d\n", 2);
  EXPECT_EQ(readfile("error.log"),
            banner() + "Unable to write to output.log: No space left on device\n");
}

TEST_F(Logs, OutputBeforeOpeningIsFatal) {
  EXPECT_FATAL(VXoutput("lost %d\n", 1), "Tried to write to uninitialized output.log\n",
               banner() + "Tried to write to uninitialized output.log\n");
}

TEST_F(Logs, UnwritableLogEndsTheProgramWithAPlainMessage) {
  std::filesystem::create_directory("error.log");  // cannot be opened as a file
  EXPECT_EQ(VXopenerrorlog("w"), 0);
  EXPECT_EXIT(
      {
        vxtest::capturestdout();
        VXerror(0, "only a warning\n");
      },
      testing::ExitedWithCode(255), "");
  EXPECT_EQ(readfile(vxtest::STDOUTFILE), "Unable to write to error.log\n");
}

TEST_F(Logs, FatalReportPausesForTwoSeconds) {
  vx::setfatalpause(vx::FATALPAUSE);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EXIT(VXerror(-1, "slow\n"), testing::ExitedWithCode(255), "");
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(vx::FATALPAUSE));
}

}  // namespace
