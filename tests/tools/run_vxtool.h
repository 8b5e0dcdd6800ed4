// Runs vxtool as its users do, with standard output in out.txt and standard error in
// err.txt of the test's folder; the exit status, or -1 when it did not exit.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace vxtest {

inline int runvxtool(const std::string& arguments, int seconds = 60) {
  std::string command = "timeout ";
  command.append(std::to_string(seconds)).append(" ").append(VXTOOL).append(" ");
  command.append(arguments).append(" >out.txt 2>err.txt");
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vxtest
