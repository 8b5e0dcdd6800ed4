// The panel run as its users run it: the tour, played headless in an empty folder, ends
// well, saves the state, and shows what the golden pictures show.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A PNG's pixels as 8-bit RGB; empty when it cannot be read.
std::vector<unsigned char> readpng(const fs::path& path, int* width) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) return {};
  *width = static_cast<int>(image.width);
  return pixels;
}

TEST(PanelTour, ShowsWhatItsGoldenPicturesShow) {
  fs::path folder = fs::temp_directory_path() / ("panel-tour-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::string command = "cd '" + folder.string() +
                        "' && '" PANEL_PROGRAM "' --vx-backend=headless '--vx-replay=" PANEL_SOURCE
                        "/tour.replay' >output.txt 2>&1";
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_TRUE(fs::exists(folder / "panel.state")) << "closing the window saves the state";

  int compared = 0;
  for (const auto& entry : fs::directory_iterator(PANEL_SOURCE "/golden")) {
    std::string name = entry.path().filename().string();
    int width = 0, gotwidth = 0;
    auto want = readpng(entry.path(), &width);
    auto got = readpng(folder / name, &gotwidth);
    ASSERT_FALSE(want.empty()) << name;
    ASSERT_EQ(got.size(), want.size()) << name << " was not written as the golden one was";
    for (std::size_t i = 0; i < want.size(); i++) {
      ASSERT_EQ(got[i], want[i]) << name << " differs first at (" << i / 3 % width << ", "
                                 << i / 3 / width << "); the goldens target takes new pictures";
    }
    compared++;
  }
  EXPECT_EQ(compared, 10);
  fs::remove_all(folder);
}

}  // namespace
