// Screenshots: PNG files that hold exactly the framebuffer.
#include <png.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
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

// The framebuffer as libpng writes it in another form: RGB or RGBA (the alpha varying),
// 8 or 16 bits a channel (the low byte of 16 unlike the high one), interlaced or not.
void writeas(const char* path, int channels, int depth, bool interlaced) {
  std::FILE* file = std::fopen(path, "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, 640, 480, depth, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::size_t bytes = static_cast<std::size_t>(channels * depth / 8);
  std::vector<png_byte> pixels(640 * 480 * bytes);
  std::vector<png_bytep> rows(480);
  for (std::size_t i = 0; i < 640 * 480; ++i) {
    for (int c = 0; c < channels; ++c) {
      auto value = static_cast<png_byte>(c == 3 ? i : framebuffer[i] >> (16 - 8 * c));
      png_byte* at = &pixels[i * bytes + static_cast<std::size_t>(c * depth / 8)];
      at[0] = value;
      if (depth == 16) at[1] = static_cast<png_byte>(~value);
    }
  }
  for (std::size_t y = 0; y < 480; ++y) rows[y] = &pixels[y * 640 * bytes];
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// The comparison reads any PNG as its pixels are stored, whoever wrote it; a damaged
// one is a reason, not a crash.
TEST_F(Screenshots, ComparisonReadsEveryFormatAndRefusesDamage) {
  VXPopenwindow("t", nullptr, nullptr, "--vx-backend=headless", 1);
  drawpattern(5);
  int x = 0, y = 0;
  std::string why;
  for (auto [channels, depth, interlaced] :
       {std::tuple{3, 8, true}, {4, 8, false}, {3, 16, false}}) {
    writeas("other.png", channels, depth, interlaced);
    EXPECT_EQ(vx::platform::comparepng("other.png", &x, &y, &why), 0) << channels << depth << why;
  }
  ASSERT_TRUE(vx::platform::writepng("shot.png"));
  std::string whole = vxtest::readfile("shot.png");
  vxtest::writefile("cut.png", whole.substr(0, whole.size() / 2));
  EXPECT_EQ(vx::platform::comparepng("cut.png", &x, &y, &why), -1);
  EXPECT_EQ(why.rfind("Damaged PNG file (", 0), 0u) << why;
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
