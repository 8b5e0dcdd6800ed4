// What every test shares: a fresh working directory, file helpers and fatal checks.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vxtest {

// Runs each test in a new temporary working directory (the logs are written to the
// working directory) with the fatal pause shortened to nothing.
class VxTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::string previous_;
  std::string directory_;
  bool inherited_ = false;  // a death test's own process, in its test's folder
};

// The first line of every error log.
std::string banner();

// A file's whole content, or "" when it cannot be read.
std::string readfile(const std::string& path);
void writefile(const std::string& path, const std::string& content);

// The prefix followed by the number in decimal. (Built by appending: GCC 12 at -O3 warns falsely
// about a literal put in front of a temporary string.)
std::string numbered(std::string prefix, long number);

// Where a fatal child's standard output and standard error go; called first in the
// child.
constexpr const char* STDOUTFILE = "fatal-stdout.txt";
constexpr const char* STDERRFILE = "fatal-stderr.txt";
void capturestdout();
void capturestderr();

}  // namespace vxtest

// The statement must end the process through a fatal report: exit status -1 (255),
// `out` on standard output and `log` as the whole content of "error.log".
#define EXPECT_FATAL(statement, out, log)                              \
  do {                                                                 \
    EXPECT_EXIT(                                                       \
        {                                                              \
          vxtest::capturestdout();                                     \
          statement;                                                   \
        },                                                             \
        ::testing::ExitedWithCode(255), "");                           \
    EXPECT_EQ(vxtest::readfile(vxtest::STDOUTFILE), std::string(out)); \
    EXPECT_EQ(vxtest::readfile("error.log"), std::string(log));        \
  } while (0)

// The same for the toolkit's own failures, whose message goes to standard error.
#define EXPECT_TOOLKITFATAL(statement, message)                                        \
  do {                                                                                 \
    EXPECT_EXIT(                                                                       \
        {                                                                              \
          vxtest::capturestdout();                                                     \
          vxtest::capturestderr();                                                     \
          statement;                                                                   \
        },                                                                             \
        ::testing::ExitedWithCode(255), "");                                           \
    EXPECT_EQ(vxtest::readfile(vxtest::STDOUTFILE), "");                               \
    EXPECT_EQ(vxtest::readfile(vxtest::STDERRFILE), std::string(message));             \
    EXPECT_EQ(vxtest::readfile("error.log"), vxtest::banner() + std::string(message)); \
  } while (0)
