// The help viewer's pages and buttons, and the version line.
#include <filesystem>
#include <string>

#include "model/model.h"
#include "ops/library_windows.h"
#include "render/render_fixture.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vxtest::HELPINK;
using vxtest::LIBRARYWINDOWS;

namespace {

class Help : public vxtest::InterfaceTest {
 protected:
  void SetUp() override {
    InterfaceTest::SetUp();
    bringup(LIBRARYWINDOWS);
    VXredrawall();
  }
  // Lines "first" to "last" of a file of numbered lines, as the help window shows them.
  static vxtest::Pixels page(int first, int last) {
    std::vector<vxtest::Line> lines;
    for (int n = first; n <= last; n++)
      lines.push_back({50 + 16, 50 + 13 * (n - first) + 13, vxtest::numbered("line ", n) + " "});
    return vxtest::textpixels(HELPINK, vx::FONT_NORMAL, lines);
  }
  // "next prev": each 1 active, 0 inactive, -1 hidden.
  static std::string buttons() {
    const vx::Window& help = vx::model.Win[3];
    return std::to_string(help.wb[0].active) + " " + std::to_string(help.wb[1].active);
  }
  static void numbered(const char* path, int count) {
    std::string text;
    for (int n = 1; n <= count; n++) text += vxtest::numbered("line ", n) + "\n";
    vxtest::writefile(path, text);
  }
};

TEST_F(Help, PagesOfTwentyFiveLinesWithTheButtonsSetForEach) {
  numbered("ten.txt", 10);
  EXPECT_EQ(VXhelp("ten.txt", 0, 1, 0), 1);
  EXPECT_EQ(vxtest::ink(HELPINK), page(1, 10));
  EXPECT_EQ(buttons(), "-1 -1");  // one page: no paging

  numbered("sixty.txt", 60);
  VXhelp("sixty.txt", 0, 0, 0);
  EXPECT_EQ(vxtest::ink(HELPINK), page(1, 25));
  EXPECT_EQ(buttons(), "1 0");
  VXhelp("sixty.txt", 1, 0, 0);
  EXPECT_EQ(vxtest::ink(HELPINK), page(26, 50));
  EXPECT_EQ(buttons(), "1 1");
  VXhelp("sixty.txt", 1, 0, 0);
  EXPECT_EQ(vxtest::ink(HELPINK), page(51, 60));
  EXPECT_EQ(buttons(), "0 1");
  VXhelp("sixty.txt", 3, 0, 0);  // the same page again
  EXPECT_EQ(vxtest::ink(HELPINK), page(51, 60));
  VXhelp("sixty.txt", 2, 0, 0);
  EXPECT_EQ(vxtest::ink(HELPINK), page(26, 50));

  numbered("twentyfive.txt", 25);  // the look-ahead finds the end
  VXhelp("twentyfive.txt", 0, 0, 0);
  EXPECT_EQ(buttons(), "-1 -1");
}

TEST_F(Help, AFormFeedEndsAPageAndAnythingElseIsABlank) {
  vxtest::writefile("ff.txt", "line 1\nline 2\nline 3\f\nline 4\n" + std::string(100, 'x') + "\n");
  VXhelp("ff.txt", 0, 0, 0);
  EXPECT_EQ(vxtest::ink(HELPINK), page(1, 3));  // the form feed drawn as a blank
  EXPECT_EQ(buttons(), "1 0");                  // no look-ahead after a form feed
  VXhelp("ff.txt", 1, 0, 0);
  // A line of 100 characters goes on as the next line after its first 80.
  EXPECT_EQ(vxtest::ink(HELPINK), vxtest::textpixels(HELPINK, vx::FONT_NORMAL,
                                                     {{66, 63, "line 4 "},
                                                      {66, 76, std::string(80, 'x')},
                                                      {66, 89, std::string(20, 'x') + " "}}));
  EXPECT_EQ(buttons(), "0 1");

  // A NUL byte is a blank too, and the rest of its line is read, form feed included.
  vxtest::writefile("binary.txt", std::string("a\0b\x01\xff\f\nnext\n", 12));
  EXPECT_EQ(VXhelp("binary.txt", 0, 0, 0), 1);
  EXPECT_EQ(vxtest::ink(HELPINK),
            vxtest::textpixels(HELPINK, vx::FONT_NORMAL, {{66, 63, "a b     "}}));
  EXPECT_EQ(buttons(), "1 0");
  // A folder is a file that cannot be opened.
  std::filesystem::create_directory("folder");
  for (const char* file : {"none.txt", "folder"}) {
    EXPECT_EQ(VXhelp(file, 0, 0, 0), 0);
    EXPECT_EQ(buttons(), "0 0");
    EXPECT_EQ(
        vxtest::ink(HELPINK),
        vxtest::textpixels(HELPINK, vx::FONT_NORMAL, {{66, 63, "Unable to open this help file"}}));
  }
}

TEST_F(Help, TheVersionLineIsReadOnceAndShownAtItsField) {
  std::filesystem::create_directory("folder");
  EXPECT_EQ(VXversion("none.txt"), 0);
  EXPECT_EQ(VXversion("folder"), 0);
  EXPECT_EQ(vxtest::readfile("error.log"), vxtest::banner() +
                                               "Can't open version file |none.txt|\n" +
                                               "Can't open version file |folder|\n");
  vxtest::writefile("version.txt",
                    "vx\nversion in lower case\nVersion 2.0.6 of today\nVersion 9\n");
  VXselectwindow("help");
  EXPECT_EQ(VXversion("version.txt"), 1);
  int ascent = vxtest::ascentof(vx::FONT_NORMAL);
  EXPECT_EQ(vxtest::ink(vxtest::VERSIONINK),
            vxtest::textpixels(vxtest::VERSIONINK, vx::FONT_NORMAL,
                               {{301, 10 + ascent, "Version 2.0.6 of today "}}));
  EXPECT_STREQ(VXgetcurrentwindowname(), "help");
  vxtest::writefile("version.txt", "Version 3\n");  // read once: no change
  VXredrawall();
  VXversion("version.txt");
  EXPECT_EQ(vxtest::ink(vxtest::VERSIONINK),
            vxtest::textpixels(vxtest::VERSIONINK, vx::FONT_NORMAL,
                               {{301, 10 + ascent, "Version 2.0.6 of today "}}));
}

}  // namespace
