#include "support/demo_fixture.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "events/dispatch.h"
#include "render/platform/platform.h"
#include "vx.h"
#include "zeftest.h"

namespace vxtest {

namespace {

void copydata(bool logo) {
  for (const char* file : {"zeftest.inf", "logo.rl4", "version.txt"}) {
    if (!logo && std::string(file) == "logo.rl4") continue;
    std::filesystem::copy_file(std::filesystem::path(ZEF_SOURCE) / file, file,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

}  // namespace

void DemoTest::SetUp() {
  EventTest::SetUp();
  copydata(true);
  zeftest::start("zeftest --vx-backend=headless");
  Event first{};  // the first paint, and the introduction after it
  VXPgetevent(&first);
  vx::dispatchevent(first);
}

int DemoTest::pixel(int x, int y) {
  return VXPgetpixel(static_cast<VXPcoord>(x), static_cast<VXPcoord>(y));
}

int DemoTest::color(const char* name) { return VXgetcolor(name); }

void installdemo(bool logo) {
  copydata(logo);
  std::filesystem::copy_file(ZEFTEST, "zeftest", std::filesystem::copy_options::overwrite_existing);
}

int rundemo(const std::vector<std::string>& arguments) {
  pid_t child = fork();
  if (child == 0) {
    int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> argv;
    std::string program = "./zeftest";
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vxtest
