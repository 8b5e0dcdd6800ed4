#include "support/child.h"

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace vxtest {

int awaitexit(pid_t child, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  pid_t done = 0;
  while ((done = waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (done == child) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return -1;
}

}  // namespace vxtest
