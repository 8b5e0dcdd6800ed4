// vxtool compare: the same pixels, different ones with the first named, and a picture
// that cannot be read.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/fixture.h"

using vxtest::readfile;

namespace {

class VxtoolCompare : public vxtest::VxTest {};

int compare(const std::string& a, const std::string& b) {
  std::string command = std::string(VXTOOL) + " compare " + a + " " + b + " >out.txt 2>err.txt";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(VxtoolCompare, TellsWhetherAndWherePicturesDiffer) {
  std::string start = VX_DATA "/tour/tour-1-start.png", shape = VX_DATA "/tour/tour-2-shape.png";
  EXPECT_EQ(compare(start, start), 0);
  EXPECT_NE(readfile("out.txt").find("show the same 640 x 480 pixels"), std::string::npos);

  EXPECT_EQ(compare(start, shape), 1);
  EXPECT_NE(readfile("out.txt").find("pixels differ; the first at x "), std::string::npos)
      << readfile("out.txt");

  EXPECT_EQ(compare(start, "missing.png"), 1);
  EXPECT_NE(readfile("err.txt").find("cannot read missing.png"), std::string::npos)
      << readfile("err.txt");
}

}  // namespace
