// The test program's entry: GoogleTest's own, and a guard against a test that ends the
// whole process. The library ends programs with exit(0) (a replay that runs out, the
// quit message); reached by mistake in a test, that status would hide every failure
// printed before it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

pid_t testprocess = 0;

void guard() {
  // Death tests run their statement in a child of their own, where ending is the point.
  if (getpid() != testprocess || !GTEST_FLAG_GET(internal_run_death_test).empty()) return;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  if (test == nullptr) return;
  std::fflush(stdout);
  std::fprintf(stderr, "\n%s.%s ended the test program before it finished: failed\n",
               test->test_suite_name(), test->name());
  _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  // The project's golden pictures are committed files that scripts/goldens.sh takes; a
  // test run compares with them, whatever the environment says, and never rewrites them.
  unsetenv("VX_UPDATE_GOLDENS");
  ::testing::InitGoogleTest(&argc, argv);
  testprocess = getpid();
  std::atexit(guard);
  return RUN_ALL_TESTS();
}
