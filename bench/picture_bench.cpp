// Drawing a 640 x 480 RL4 picture with VXdrawpicture, beside libpng decoding the same
// picture from a PNG in memory (the anchor): a rendered screen of the sample description
// (large flat areas, some detail) and a screen of noise.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/log.h"
#include "render/platform/platform.h"
#include "rl4encode.h"
#include "vx.h"

namespace {

int nothing(const VXcall*) { return 0; }

const FunctionEntry TABLE[] = {
    {"choose", nothing}, {"toggle", nothing},  {"dismissed", nothing},
    {"tick", nothing},   {"keys", nothing},    {"redraw", nothing},
    {"drag", nothing},   {"colours", nothing}, {"options", nothing},
};

struct Sample {
  vxtool::Values values;
  std::string rl4;
  std::vector<png_byte> png;
};

// The screen of the sample with its check-list popup open, or noise of 16 values.
Sample sample(bool noise) {
  vx::setfatalpause(0);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  VXinterfaceinit("bench", VX_DATA "/everything.inf", BSTORE, "w", 16, nullptr, nullptr,
                  "--vx-backend=headless", 0);
  VXredrawall();
  VXopenpopup("options");
  Sample s;
  s.values.width = VXPWIDTH;
  s.values.height = VXPHEIGHT;
  std::mt19937 random(7);
  std::uint8_t row[VXPWIDTH];
  for (int y = 0; y < VXPHEIGHT; y++) {
    VXPgetrow(y, row);
    for (int x = 0; x < VXPWIDTH; x++)
      s.values.pixels.push_back(noise ? static_cast<std::uint16_t>(random() % 16) : row[x]);
  }
  std::string why;
  s.rl4 = vxtool::encoderl4(s.values, 8, &why);
  // The same values as an 8-bit gray PNG, compressed as libpng does by default.
  std::vector<png_byte> gray(s.values.pixels.begin(), s.values.pixels.end());
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = VXPWIDTH;
  image.height = VXPHEIGHT;
  image.format = PNG_FORMAT_GRAY;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, gray.data(), 0, nullptr);
  s.png.resize(size);
  png_image_write_to_memory(&image, s.png.data(), &size, 0, gray.data(), 0, nullptr);
  png_image_free(&image);
  return s;
}

void DrawPicture(benchmark::State& state) {
  Sample s = sample(state.range(0) != 0);
  std::vector<unsigned char> buffer(s.rl4.size() - 8);
  std::FILE* file = fmemopen(s.rl4.data(), s.rl4.size(), "rb");
  // VXfilesize needs a real file: the picture goes through one.
  std::FILE* real = std::tmpfile();
  std::fwrite(s.rl4.data(), 1, s.rl4.size(), real);
  std::fclose(file);
  Picture picture{};
  if (VXloadpicture(real, &picture, buffer.data()) == 0) state.SkipWithError("not loaded");
  std::fclose(real);
  for (auto _ : state) VXdrawpicture(&picture, 0, 0, VXPWIDTH, VXPHEIGHT, 0, 0, 1, nullptr);
  state.SetItemsProcessed(state.iterations());
  state.counters["bytes"] = static_cast<double>(s.rl4.size());
}
BENCHMARK(DrawPicture)->Arg(0)->Arg(1)->ArgName("noise");

void DecodePng(benchmark::State& state) {
  Sample s = sample(state.range(0) != 0);
  std::vector<png_byte> out(static_cast<std::size_t>(VXPWIDTH) * VXPHEIGHT);
  for (auto _ : state) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, s.png.data(), s.png.size());
    image.format = PNG_FORMAT_GRAY;
    png_image_finish_read(&image, nullptr, out.data(), 0, nullptr);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["bytes"] = static_cast<double>(s.png.size());
}
BENCHMARK(DecodePng)->Arg(0)->Arg(1)->ArgName("noise");

}  // namespace
