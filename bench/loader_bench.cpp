// How fast a description loads, beside a generated scanner that only counts the same
// tokens (the anchor, bench/tokens.l), on generated descriptions of 50 KB, 500 KB and
// 5 MB that use every statement; and how loading grows with the number of uniquely
// named buttons, popup items and callbacks, which must be linearly.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/log.h"
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

std::string number(long n) { return std::to_string(n); }

// Appends the pieces; built this way, not with "..." + string, which GCC 12 at -O3
// warns about wrongly.
void add(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text.append(piece);
}

// About `bytes` of description: colours, settings, 20 popups of 8 items, then windows
// (at most 90) of buttons, labels, graphics, drag areas, fields and messages, with a
// comment now and then.
std::string description(std::size_t bytes) {
  std::string text =
      "# Generated for the loader benchmark.\n"
      "palette\n(ink 6 8 20)\n(paper 61 61 58)\n(shade 40 42 46)\nend\n"
      "alias(face lgray)\nhighlight(ink)\nspeedup(2)\n"
      "colorlist(ink paper shade black white)\nbuttonstuff(ink 1 white dgray)\n"
      "function(tick 0 0)\nredrawfunc(redraw)\nCANCEL(a b c d)\n";
  for (int p = 0; p < 20; ++p) {
    add(text, {"popup(menu", number(p), " 100 100 ink dgray paper ink 0 dismiss)\n"});
    for (int i = 0; i < 8; ++i)
      add(text, {"plabel(item", number(i), " 1 choose |Item ", number(i), "| 0)\n"});
  }
  std::size_t perwindow = bytes / 90 + 1;
  long n = 0;
  for (int w = 0; w < 90 && text.size() < bytes; ++w) {
    std::size_t end = text.size() + perwindow;
    add(text, {"window(w", number(w), " 10 20 600 440 ink paper ink 2 1 0)\n"});
    while (text.size() < end && text.size() < bytes) {
      std::string k = number(n++);
      add(text, {"# block ", k, "\n"});
      add(text, {"button(b", k, " |Button ", k, "| 10 20 90 24 ink dgray lgray press 1 1 0 C)\n"});
      add(text,
          {"buttons(c", k, " |Small ", k, "| 110 20 90 24 ink dgray lgray @menu3 1 1 1 L)\n"});
      add(text, {"label(10 60 ink |A label, ", k, "|)\nlabels(10 80 ink |Another| white)\n"});
      add(text, {"rect(10 100 200 50 shade 1 fill)\nline(10 160 210 160 2 ink)\n"});
      add(text, {"dragarea(d", k, " 10 200 300 100 white drag 1)\n"});
      add(text, {"field(f", k, " 10 320 200 16 ink)\nmsg(m", k, " |Message number ", k, ".|)\n"});
    }
  }
  return text;
}

void load(const std::string& text) {
  // Labels are measured in their font as they load.
  static bool fonts = (vx::platform::opendrawing(), vx::connectlayers(), true);
  benchmark::DoNotOptimize(fonts);
  vx::setcolorcount(16);
  vx::loaddescriptiontext(text.data(), text.size());
}

void Load(benchmark::State& state) {
  std::string text = description(static_cast<std::size_t>(state.range(0)));
  vx::setfatalpause(0);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  for (auto _ : state) load(text);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Load)->Arg(50 << 10)->Arg(500 << 10)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

void GeneratedScanner(benchmark::State& state) {
  std::string text = description(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(anchortokens(text.data(), static_cast<int>(text.size())));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(GeneratedScanner)
    ->Arg(50 << 10)
    ->Arg(500 << 10)
    ->Arg(5 << 20)
    ->Unit(benchmark::kMillisecond);

// N buttons, each with a callback of its own, and a popup of N items: the time per
// button must not grow with N.
void Scaling(benchmark::State& state) {
  long count = state.range(0);
  std::vector<std::string> names;
  std::string text = "window(root 0 0 640 480 black white black 1 1 0)\n";
  for (long i = 0; i < count; ++i) {
    names.push_back(std::string("f").append(number(i)));
    add(text,
        {"button(b", number(i), " |B| 1 2 3 4 black dgray lgray f", number(i), " 1 1 0 C)\n"});
  }
  add(text, {"popup(menu 10 10 black dgray white black 0)\n"});
  for (long i = 0; i < count; ++i) add(text, {"plabel(i", number(i), " 1 f", number(i), " |I|)\n"});
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
