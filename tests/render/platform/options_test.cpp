// The toolkit options on the command line, and VXcommandline that builds it.
#include "render/platform/options.h"

#include <string>
#include <vector>

#include "render/platform/backend.h"
#include "render/platform/platform.h"
#include "support/fixture.h"
#include "vx.h"

namespace {

using vx::platform::AUTOSCALE;
using vx::platform::parseoptions;
using vx::platform::splitcommandline;
using vxtest::banner;
using Words = std::vector<std::string>;

class ToolkitOptions : public vxtest::VxTest {};

TEST_F(ToolkitOptions, WordsSplitAtBlanksAndQuotesGroupThem) {
  struct Case {
    const char* line;
    Words words;
  };
  const Case cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"a  b\tc", {"a", "b", "c"}},
      {"a \"b c\" d", {"a", "b c", "d"}},
      {"--vx-screenshot=\"my shot.png\" x", {"--vx-screenshot=my shot.png", "x"}},
      {"\"\"", {""}},
      {"\"open end", {"open end"}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitcommandline(c.line), c.words) << c.line;
  EXPECT_EQ(splitcommandline(nullptr), Words{});
}

TEST_F(ToolkitOptions, CommandLineFromArgumentsSplitsBackIntoThem) {
  char prog[] = "prog", a[] = "a", spaced[] = "b c", empty[] = "", opt[] = "--vx-scale=2";
  char* argv[] = {prog, a, spaced, empty, opt, nullptr};
  std::string line = VXcommandline(5, argv);
  EXPECT_EQ(line, "a \"b c\" \"\" --vx-scale=2");
  EXPECT_EQ(splitcommandline(line.c_str()), (Words{"a", "b c", "", "--vx-scale=2"}));
  EXPECT_STREQ(VXcommandline(1, argv), "");
  EXPECT_EQ(parseoptions(line.c_str()).scale, 2);

  // Quotes and backslashes, with and without blanks, come back exactly.
  const Words awkward = {"a\"b.png", "C:\\dir\\", "x \\\"y\\",
                         "\"",       "\\\\\"",    "--vx-screenshot=s\"q.png"};
  std::vector<char*> args{prog};
  for (const std::string& word : awkward) args.push_back(const_cast<char*>(word.c_str()));
  line = VXcommandline(static_cast<int>(args.size()), args.data());
  EXPECT_EQ(splitcommandline(line.c_str()), awkward) << line;
  EXPECT_EQ(parseoptions(line.c_str()).screenshot, "s\"q.png");
}

TEST_F(ToolkitOptions, ValuesAreReadAndOtherWordsIgnored) {
  // The system's window: sdl, or win32 on Windows.
  std::string window = vx::platform::backends.front().name;
  auto o = parseoptions(("app -x --vx --vx-scale=8 --vx-backend=" + window +
                         " file.inf \"--vx-screenshot=a b.png\" --vx-record=r.txt")
                            .c_str());
  EXPECT_EQ(o.scale, 8);
  EXPECT_EQ(o.backend, window);
  EXPECT_EQ(o.screenshot, "a b.png");
  EXPECT_EQ(o.record, "r.txt");
  EXPECT_EQ(o.replay, "");
  // A replay runs headless.
  o = parseoptions("--vx-replay=s.txt");
  EXPECT_EQ(o.backend, "headless");
  EXPECT_EQ(o.scale, AUTOSCALE);  // the largest that fits, in a window
  o = parseoptions("--vx-scale=2 --vx-scale=3");
  EXPECT_EQ(o.scale, 3);  // the last one holds
  EXPECT_EQ(parseoptions("--vx-scale=2 --vx-scale=auto").scale, AUTOSCALE);
}

TEST_F(ToolkitOptions, UnknownOptionsAndBadValuesAreFatal) {
  struct Case {
    std::string line;
    std::string message;
  };
  std::string window = vx::platform::backends.front().name;
  const Case cases[] = {
      {"app --vx-colour=3", "Unknown toolkit option --vx-colour=3\n"},
      {"--vx-scale", "Unknown toolkit option --vx-scale\n"},
      {"--vx-scale=0",
       "Toolkit option --vx-scale=0: the scale is a whole number from 1 to 8, or auto\n"},
      {"--vx-scale=9",
       "Toolkit option --vx-scale=9: the scale is a whole number from 1 to 8, or auto\n"},
      {"--vx-scale=12",
       "Toolkit option --vx-scale=12: the scale is a whole number from 1 to 8, or auto\n"},
      {"--vx-backend=x11",
       "Toolkit option --vx-backend=x11: the back-end is " + window + " or headless\n"},
      {"--vx-record=", "Toolkit option --vx-record= needs a file name\n"},
      {"--vx-backend=" + window + " --vx-replay=s.txt",
       "Toolkit option --vx-replay needs --vx-backend=headless\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_TOOLKITFATAL(VXPopenwindow("t", nullptr, nullptr, c.line.c_str(), 1), c.message);
  }
}

}  // namespace
