// Opening files by "/" paths and measuring open streams.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/fixture.h"
#include "vx.h"

namespace {

class Files : public vxtest::VxTest {};

TEST_F(Files, SizeLeavesThePositionWhereItWas) {
  vxtest::writefile("hundred.bin", std::string(100, 'x'));
  FILE* f = VXopenfile("hundred.bin", "rb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fseek(f, 8, SEEK_SET), 0);
  EXPECT_EQ(VXfilesize(f), 100);
  EXPECT_EQ(std::ftell(f), 8);
  std::fclose(f);

  vxtest::writefile("empty.bin", "");
  f = VXopenfile("empty.bin", "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(VXfilesize(f), 0);
  std::fclose(f);
}

TEST_F(Files, SlashSeparatedPathsOpen) {
  std::filesystem::create_directories("data/help");
  vxtest::writefile("data/help/intro.txt", "hello\n");
  FILE* f = VXopenfile("data/help/intro.txt", "r");
  ASSERT_NE(f, nullptr);
  char line[16] = {};
  ASSERT_NE(std::fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "hello\n");
  std::fclose(f);
}

TEST_F(Files, MissingOrOverlongPathsGiveNullAndReportNothing) {
  EXPECT_EQ(VXopenfile("no/such/file.txt", "r"), nullptr);
  // 255 characters fit the path buffer; 256 do not, and are refused, not cut to another
  // name, even when the file is there.
  std::filesystem::create_directory("d");
  std::string fits = "d/" + std::string(253, 'a');
  std::string longname = fits + "b";
  vxtest::writefile(fits, "");
  vxtest::writefile(longname, "");
  FILE* f = VXopenfile(fits.c_str(), "r");
  EXPECT_NE(f, nullptr);
  if (f != nullptr) std::fclose(f);
  EXPECT_EQ(VXopenfile(longname.c_str(), "r"), nullptr);
  EXPECT_EQ(VXopenfile(nullptr, "r"), nullptr);
  EXPECT_FALSE(std::filesystem::exists("error.log"));
}

}  // namespace
