// How fast the software raster fills, strokes, writes text and puts rows.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "render/platform/platform.h"
#include "render/platform/raster.h"

namespace {

std::uint8_t table[256][3];

void opendrawing() {
  vx::platform::opendrawing();
  for (int i = 0; i < 256; ++i) {
    table[i][0] = static_cast<std::uint8_t>(i % 64);
    table[i][1] = static_cast<std::uint8_t>(i / 4);
    table[i][2] = static_cast<std::uint8_t>((i * 7) % 64);
  }
  VXPsetpalette(table, 256);
}

void FillRects(benchmark::State& state) {
  opendrawing();
  int size = static_cast<int>(state.range(0));
  int i = 0;
  for (auto _ : state) {
    VXPsetcolor(static_cast<std::uint8_t>(i));
    VXPfillrect(i % 100, i % 50, size, size);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
  vx::platform::closedrawing();
}
BENCHMARK(FillRects)->Arg(16)->Arg(128)->Arg(480);

void Lines(benchmark::State& state) {
  opendrawing();
  VXPsetlinewidth(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    VXPline(0, i % 480, 639, 479 - i % 480);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
  vx::platform::closedrawing();
}
BENCHMARK(Lines)->Arg(1)->Arg(3);

void Text(benchmark::State& state) {
  opendrawing();
  VXPsetfont(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    VXPtext(10, 20 + i % 400, "The quick brown fox jumps over the lazy dog");
    benchmark::DoNotOptimize(VXPtextwidth("Load picture"));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
  vx::platform::closedrawing();
}
BENCHMARK(Text)->Arg(10)->Arg(15);

void PutRows(benchmark::State& state) {
  opendrawing();
  std::uint8_t row[640];
  for (int x = 0; x < 640; ++x) row[x] = static_cast<std::uint8_t>(x);
  int y = 0;
  for (auto _ : state) {
    VXPputrow(0, y, row, 640);
    y = (y + 1) % 480;
  }
  state.SetItemsProcessed(state.iterations());
  vx::platform::closedrawing();
}
BENCHMARK(PutRows);

}  // namespace
