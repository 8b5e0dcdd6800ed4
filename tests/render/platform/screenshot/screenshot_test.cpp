// Screenshots: PNG files that hold exactly the framebuffer.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "render/platform/framebuffer.h"
#include "render/platform/options.h"
#include "render/platform/platform.h"
#include "support/fixture.h"
#include "support/png.h"
#include "vx.h"

using vxtest::readpng;

namespace {

using vx::platform::framebuffer;

class Screenshots : public vxtest::VxTest {};

void drawpattern(std::uint32_t seed) {
  for (std::uint32_t i = 0; i < 640 * 480; ++i)
    framebuffer[i] = (i * 2654435761u + seed) & 0xFFFFFFu;
  vx::platform::framechanged = true;
}

std::vector<std::uint32_t> frame() { return {framebuffer, framebuffer + 640 * 480}; }

TEST_F(Screenshots, PngHoldsTheFramebuffer) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  drawpattern(7);
  ASSERT_TRUE(vx::platform::writepng("shot.png"));
  EXPECT_EQ(readpng("shot.png"), frame());
  EXPECT_FALSE(vx::platform::writepng("no/such/dir/shot.png"));
}

// Screens of few colours are written as palette images of as few bits a pixel as hold
// them: every such count, and one too many for a palette, comes back pixel for pixel.
TEST_F(Screenshots, AnyNumberOfColoursComesBackExactly) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  for (std::uint32_t colours : {1u, 2u, 3u, 5u, 17u, 256u, 257u}) {
    // Bands of rows alike and rows of short runs, every colour somewhere.
    for (std::uint32_t i = 0; i < 640 * 480; ++i) {
      std::uint32_t y = i / 640, x = i % 640;
      std::uint32_t k = (y % 8 < 4 ? y / 4 : y * 640 + x / 3) % colours;
      framebuffer[i] = (k * 2654435761u) & 0xFFFFFFu;
    }
    ASSERT_TRUE(vx::platform::writepng("few.png"));
    EXPECT_EQ(readpng("few.png"), frame()) << colours;
  }
}

TEST_F(Screenshots, ReplayLineTakesTheFrameAsItIsWhenReached) {
  vxtest::writefile("s.txt", "screenshot one.png\nexpose\nscreenshot two.png\n");
  VXPopenwindow("t", nullptr, nullptr, "--vx-replay=s.txt --vx-screenshot=end.png", 1);
  Event event;
  VXPgetevent(&event);
  drawpattern(1);
  auto first = frame();
  VXPgetevent(&event);
  EXPECT_EQ(event.type, EXPOSE);
  drawpattern(2);
  auto second = frame();
  VXPgetevent(&event);  // the tick after the expose
  EXPECT_EXIT(VXPgetevent(&event), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(readpng("one.png"), first);
  EXPECT_EQ(readpng("two.png"), second);
  // The end-of-run screenshot was written by the child as it closed.
  EXPECT_EQ(readpng("end.png"), second);
}

TEST_F(Screenshots, ClosingWritesTheScreenshotAndAFailureFailsTheRun) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-screenshot=close.png", 1);
  drawpattern(3);
  auto expected = frame();
  EXPECT_EQ(VXPclose(), 1);
  EXPECT_EQ(readpng("close.png"), expected);

  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-screenshot=no/dir/x.png", 1);
  EXPECT_TOOLKITFATAL(VXinterfaceexit(nullptr),
                      "Couldn't write the screenshot |no/dir/x.png|: No such file or directory\n");
  // This process's window must not try again when the next test opens one.
  vx::platform::options.screenshot.clear();
  VXPclose();
}

// A write that fails part way leaves the file that was there, and no file of its own;
// a device is written, never removed.
TEST_F(Screenshots, AFailedWriteLeavesWhatThePathNamed) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  drawpattern(4);
  vxtest::writefile("keep.png", "precious");
  EXPECT_EXIT(
      {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        small.rlim_cur = small.rlim_max = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        std::exit(!vx::platform::writepng("keep.png") && errno == EFBIG ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(vxtest::readfile("keep.png"), "precious");
  for (const auto& entry : std::filesystem::directory_iterator("."))
    EXPECT_EQ(entry.path().filename().string().find("keep.png."), std::string::npos) << entry;

  // A node of the device that is always full (root may make one).
  if (mknod("full", S_IFCHR | 0666, makedev(1, 7)) != 0) return;
  EXPECT_FALSE(vx::platform::writepng("full"));
  struct stat node {};
  ASSERT_EQ(stat("full", &node), 0);
  EXPECT_TRUE(S_ISCHR(node.st_mode));
}

}  // namespace
