#include "support/fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/log.h"
#include "layers.h"
#include "vx.h"

namespace vxtest {

namespace {

// A new folder for one test.
std::string newfolder() {
  std::filesystem::path base = std::filesystem::temp_directory_path();
#ifdef _WIN32
  static unsigned serial = 0;
  for (;;) {
    std::filesystem::path name =
        base / ("vxtest-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
    if (std::filesystem::create_directory(name)) return name.string();
  }
#else
  std::string pattern = (base / "vxtest-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return "";
  return name.data();
#endif
}

}  // namespace

void VxTest::SetUp() {
  previous_ = std::filesystem::current_path().string();
#ifdef _WIN32
  // A death test runs its statement in a new process that starts the test over: there it
  // works in the folder of the test that started it.
  const char* started = std::getenv("VXTEST_FOLDER");
  inherited_ =
      started != nullptr && *started != '\0' && !GTEST_FLAG_GET(internal_run_death_test).empty();
  directory_ = inherited_ ? started : newfolder();
  _putenv_s("VXTEST_FOLDER", directory_.c_str());
#else
  directory_ = newfolder();
#endif
  ASSERT_FALSE(directory_.empty());
  std::filesystem::current_path(directory_);
  vx::setfatalpause(0);
  // Every test starts from nothing an earlier test of the process left behind (a close
  // handler, say).
  vx::resetlayers();
  vx::connectlayers();
}

void VxTest::TearDown() {
  vx::closelogs();
  std::filesystem::current_path(previous_);
  if (inherited_) return;
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

std::string banner() {
  return std::string("Varnex Interface Handler Library Version ") + VX_VERSION + "\n";
}

std::string readfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writefile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

std::string numbered(std::string prefix, long number) {
  prefix += std::to_string(number);
  return prefix;
}

void capturestdout() {
  std::fflush(stdout);
  if (std::freopen(STDOUTFILE, "wb", stdout) == nullptr) std::abort();
}

void capturestderr() {
  std::fflush(stderr);
  if (std::freopen(STDERRFILE, "wb", stderr) == nullptr) std::abort();
}

}  // namespace vxtest
