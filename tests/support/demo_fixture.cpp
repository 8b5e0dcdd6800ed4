#include "support/demo_fixture.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

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

#ifdef _WIN32
constexpr const char* PROGRAM = "zeftest.exe";
#else
constexpr const char* PROGRAM = "zeftest";
#endif

void installdemo(bool logo) {
  copydata(logo);
  std::filesystem::copy_file(ZEFTEST, PROGRAM, std::filesystem::copy_options::overwrite_existing);
}

#ifdef _WIN32
int rundemo(const std::vector<std::string>& arguments) {
  // The program's standard output and error go to the files while it runs.
  std::fflush(stdout);
  std::fflush(stderr);
  int out = _open("stdout.txt", _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0644);
  int err = _open("stderr.txt", _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0644);
  int keptout = _dup(1), kepterr = _dup(2);
  _dup2(out, 1);
  _dup2(err, 2);
  // The arguments hold no blanks, so need no quotes.
  std::vector<const char*> argv{PROGRAM};
  for (const std::string& a : arguments) argv.push_back(a.c_str());
  argv.push_back(nullptr);
  intptr_t status = _spawnv(_P_WAIT, PROGRAM, argv.data());
  _dup2(keptout, 1);
  _dup2(kepterr, 2);
  for (int descriptor : {out, err, keptout, kepterr}) _close(descriptor);
  // The low byte, as a POSIX parent sees it.
  return status < 0 ? -1 : static_cast<int>(status & 0xff);
}
#else
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
#endif

}  // namespace vxtest
