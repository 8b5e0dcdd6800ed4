// The README's C example as a user copies it: it compiles as C with every warning on.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/fixture.h"

namespace {

class Readme : public vxtest::VxTest {};

TEST_F(Readme, TheCExampleCompilesWithoutAWarning) {
  std::string readme = vxtest::readfile(std::string(VX_DATA) + "/../../README.md");
  std::size_t start = readme.find("```c\n#include <stdio.h>");
  ASSERT_NE(start, std::string::npos);
  start += 5;
  vxtest::writefile("example.c", readme.substr(start, readme.find("```", start) - start));
  std::string command = std::string(VX_CC) +
                        " -std=c11 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I" + VX_INCLUDE +
                        " example.c >build.txt 2>&1";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << vxtest::readfile("build.txt");
}

}  // namespace
