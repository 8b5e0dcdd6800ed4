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

void VxTest::SetUp() {
  previous_ = std::filesystem::current_path().string();
  std::string pattern = (std::filesystem::temp_directory_path() / "vxtest-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  ASSERT_NE(mkdtemp(name.data()), nullptr);
  directory_ = name.data();
  std::filesystem::current_path(directory_);
  vx::setfatalpause(0);
  vx::connectlayers();
}

void VxTest::TearDown() {
  vx::closelogs();
  std::filesystem::current_path(previous_);
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
  if (std::freopen(STDOUTFILE, "w", stdout) == nullptr) std::abort();
}

void capturestderr() {
  std::fflush(stderr);
  if (std::freopen(STDERRFILE, "w", stderr) == nullptr) std::abort();
}

}  // namespace vxtest
