// Files replaced whole once written: a write that fails, or cannot start, leaves what the
// path named.
#include "core/writefile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

#include "support/fixture.h"

namespace {

class WriteFile : public vxtest::VxTest {};

bool put(const std::string& path, const char* text, bool fail = false) {
  return vx::writefile(path.c_str(),
                       [&](std::FILE* file) { return std::fputs(text, file) >= 0 && !fail; });
}

TEST_F(WriteFile, AFileIsReplacedWholeOrLeftAsItWas) {
  // A name of 255 bytes leaves no room for a temporary named after it.
  std::string longname(255, 'n');
  vxtest::writefile(longname, "precious");
  EXPECT_FALSE(put(longname, "half", true));
  EXPECT_EQ(vxtest::readfile(longname), "precious");
  EXPECT_TRUE(put(longname, "new"));
  EXPECT_EQ(vxtest::readfile(longname), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);

  // A folder that takes no new file: its file is not written, though it could be.
  std::filesystem::create_directory("locked");
  vxtest::writefile("locked/keep.txt", "precious");
  ASSERT_EQ(chmod("locked/keep.txt", 0666) | chmod("locked", 0555) | chmod(".", 0755), 0);
  EXPECT_EXIT(
      {
        // Root makes files anywhere; nobody does not.
        if (geteuid() == 0 && setuid(65534) != 0) std::exit(2);
        std::exit(!put("locked/keep.txt", "new") && errno == EACCES ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  chmod("locked", 0755);
  EXPECT_EQ(vxtest::readfile("locked/keep.txt"), "precious");
}

}  // namespace
