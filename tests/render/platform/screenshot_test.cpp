// Screenshots: PNG files that hold exactly the framebuffer.
#include "render/platform/screenshot.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "render/platform/platform.h"
#include "render/platform/raster.h"
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

TEST_F(Screenshots, ClosingWritesTheScreenshotAndAFailureOnlyWarns) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-screenshot=close.png", 1);
  drawpattern(3);
  auto expected = frame();
  VXPclose();
  EXPECT_EQ(readpng("close.png"), expected);

  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless --vx-screenshot=no/dir/x.png", 1);
  VXPclose();
  EXPECT_EQ(vxtest::readfile("error.log"),
            vxtest::banner() + "Couldn't write the screenshot |no/dir/x.png|\n");
}

}  // namespace
