// zeftest: the demonstration program of the vx interface library.
//
// It reads its files (zeftest.inf, logo.rl4, version.txt) from the folder it lives in,
// wherever it is started: it moves there first, and its logs are written there too.
// Files named in the toolkit options are taken from where it was started.
#include <filesystem>
#include <string>
#include <vector>

#include "zeftest.h"

namespace {

// "--vx-replay=FILE" and the like, with FILE made absolute, so that moving does not
// change which file they name.
std::string absolute(const std::string& argument, const std::filesystem::path& from) {
  for (const char* option : {"--vx-replay=", "--vx-record=", "--vx-screenshot="}) {
    std::string head = option;
    if (argument.compare(0, head.size(), head) != 0 || argument.size() == head.size()) continue;
    std::filesystem::path file = argument.substr(head.size());
    if (file.is_relative()) return head + (from / file).string();
  }
  return argument;
}

}  // namespace

int main(int argc, char** argv) {
  std::error_code ignored;
  std::filesystem::path started = std::filesystem::current_path(ignored);
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; i++) arguments.push_back(i == 0 ? argv[0] : absolute(argv[i], started));
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (self.empty()) self = std::filesystem::absolute(argv[0], ignored);
  if (self.has_parent_path()) std::filesystem::current_path(self.parent_path(), ignored);

  std::vector<char*> pointers;
  pointers.reserve(arguments.size());
  for (std::string& a : arguments) pointers.push_back(a.data());
  zeftest::run(VXcommandline(argc, pointers.data()));
}
