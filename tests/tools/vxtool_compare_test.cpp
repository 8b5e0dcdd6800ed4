// vxtool compare: the same pixels, different ones with the first named, and a picture
// that cannot be read.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/fixture.h"
#include "tools/run_vxtool.h"

using vxtest::readfile;

namespace {

class VxtoolCompare : public vxtest::VxTest {};

int compare(const std::string& a, const std::string& b) {
  return vxtest::runvxtool(std::string("compare ").append(a).append(" ").append(b));
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
