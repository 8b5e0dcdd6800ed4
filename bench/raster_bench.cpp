// How fast the software raster fills, strokes, writes text and puts rows; a full-screen
// fill beside memset and a line beside a plain Bresenham loop, reported as ratios.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"

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

// Times `op` and its anchor in alternation, `batch` calls of each at a time, so that
// both see the same moments of a noisy machine. The benchmark's time is the op's per
// call; the counters are the anchor's and the ratio of the two. The iterations are
// counted out: the library's own count aims at half a second of the op alone.
template <typename Op, typename Anchor>
void versus(benchmark::State& state, int batch, Op op, Anchor anchor) {
  using Clock = std::chrono::steady_clock;
  double optime = 0, anchortime = 0;
  int i = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int k = 0; k < batch; ++k) op(i + k);
    auto t1 = Clock::now();
    for (int k = 0; k < batch; ++k) anchor(i + k);
    auto t2 = Clock::now();
    i += batch;
    double a = std::chrono::duration<double>(t1 - t0).count();
    optime += a;
    anchortime += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(a / batch);
  }
  double calls = static_cast<double>(state.iterations()) * batch;
  state.counters["anchor_ns"] = anchortime / calls * 1e9;
  state.counters["ratio"] = optime / anchortime;
}

// VXPfillrect of the whole screen beside memset of the same 1.2 MB.
void FillScreenVsMemset(benchmark::State& state) {
  opendrawing();
  versus(
      state, 1,
      [](int i) {
        VXPsetcolor(static_cast<std::uint8_t>(i));
        VXPfillrect(0, 0, VXPWIDTH, VXPHEIGHT);
        benchmark::ClobberMemory();
      },
      [](int i) {
        std::memset(vx::platform::framebuffer, i & 0xFF, sizeof vx::platform::framebuffer);
        benchmark::ClobberMemory();
      });
  vx::platform::closedrawing();
}
BENCHMARK(FillScreenVsMemset)->UseManualTime()->Iterations(4000);

// The pixels VXPline draws from (0, 0) to (dx, dy), 0 <= dy <= dx, without the end point:
// an integer Bresenham loop whose error starts half a step in, so that it rounds as
// VXPline does (ties away from the start), with nothing to clip.
__attribute__((noinline)) void bresenham(std::uint32_t* to, int dx, int dy, std::uint32_t color) {
  int error = dx;
  for (int x = 0, y = 0; x < dx; ++x) {
    to[y * VXPWIDTH + x] = color;
    error += 2 * dy;
    if (error >= 2 * dx) {
      error -= 2 * dx;
      ++y;
    }
  }
}

// A 640-pixel diagonal through VXPline beside the plain loop writing the same pixels.
void LineVsBresenham(benchmark::State& state) {
  opendrawing();
  int dx = 640, dy = 480;
  benchmark::DoNotOptimize(dx);
  benchmark::DoNotOptimize(dy);
  VXPsetcolor(9);
  VXPline(0, 0, dx, dy);
  std::vector<std::uint32_t> drawn(vx::platform::framebuffer,
                                   vx::platform::framebuffer + 640 * 480);
  vx::platform::opendrawing();
  bresenham(vx::platform::framebuffer, dx, dy, 0);
  for (std::size_t p = 0; p < drawn.size(); ++p)
    if ((drawn[p] != 0xFFFFFF) != (vx::platform::framebuffer[p] != 0xFFFFFF))
      state.SkipWithError("the anchor draws other pixels");
  std::uint32_t color = vx::platform::framebuffer[0];
  versus(
      state, 64, [&](int) { VXPline(0, 0, dx, dy); },
      [&](int) { bresenham(vx::platform::framebuffer, dx, dy, color); });
  vx::platform::closedrawing();
}
BENCHMARK(LineVsBresenham)->UseManualTime()->Iterations(4000);

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
