// How fast a description loads, beside a generated scanner that only counts the same
// tokens (the anchor, bench/tokens.l), on generated descriptions of 50 KB, 500 KB and
// 5 MB that use every statement; and how loading grows with the number of uniquely
// named buttons, popup items and callbacks, which must be linearly. bench/check.sh
// measures vxtool check the same way, as whole processes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/log.h"
#include "description.h"
#include "layers.h"
#include "model/colors.h"
#include "model/load.h"
#include "render/platform/framebuffer.h"
#include "vx.h"

extern "C" long anchortokens(const char* text, int size);

namespace {

int nothing(const VXcall*) { return 0; }

const FunctionEntry TABLE[] = {
    {"press", nothing},  {"choose", nothing}, {"drag", nothing},  {"dismiss", nothing},
    {"redraw", nothing}, {"tick", nothing},   {"menu3", nothing},
};

void load(const std::string& text) {
  // Labels are measured in their font as they load.
  static bool fonts = (vx::platform::opendrawing(), vx::connectlayers(), true);
  benchmark::DoNotOptimize(fonts);
  vx::setcolorcount(16);
  vx::loaddescriptiontext(text.data(), text.size());
}

void Load(benchmark::State& state) {
  std::string text = vxbench::description(static_cast<std::size_t>(state.range(0)));
  vx::setfatalpause(0);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  for (auto _ : state) load(text);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Load)->Arg(50 << 10)->Arg(500 << 10)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

void GeneratedScanner(benchmark::State& state) {
  std::string text = vxbench::description(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(anchortokens(text.data(), static_cast<int>(text.size())));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(GeneratedScanner)
    ->Arg(50 << 10)
    ->Arg(500 << 10)
    ->Arg(5 << 20)
    ->Unit(benchmark::kMillisecond);

// The two in alternation, so that both see the same moments of a noisy machine: the
// time is the load's, `ratio` the load's time over the scanner's.
void LoadVsGeneratedScanner(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  std::string text = vxbench::description(static_cast<std::size_t>(state.range(0)));
  vx::setfatalpause(0);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  double loading = 0, scanning = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    load(text);
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(anchortokens(text.data(), static_cast<int>(text.size())));
    auto t2 = Clock::now();
    double t = std::chrono::duration<double>(t1 - t0).count();
    loading += t;
    scanning += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(t);
  }
  state.counters["anchor_ms"] = scanning / static_cast<double>(state.iterations()) * 1e3;
  state.counters["ratio"] = loading / scanning;
}
BENCHMARK(LoadVsGeneratedScanner)
    ->Arg(50 << 10)
    ->Arg(500 << 10)
    ->Arg(5 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// N buttons, each with a callback of its own, and a popup of N items: the time per
// button must not grow with N.
void Scaling(benchmark::State& state) {
  long count = state.range(0);
  std::string text = vxbench::buttons(count);
  std::vector<std::string> names;
  for (long i = 0; i < count; ++i) names.push_back(std::string("f").append(vxbench::number(i)));
  std::vector<FunctionEntry> table;
  for (const std::string& name : names) table.emplace_back(name.c_str(), nothing);
  vx::setfatalpause(0);
  VXsetfunctiontable(table.data(), static_cast<int>(table.size()));
  for (auto _ : state) load(text);
  state.counters["per button"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(Scaling)->Arg(8000)->Arg(16000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace
