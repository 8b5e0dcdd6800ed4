// How many events the dispatcher handles a second, headless, with the pointer moving
// over buttons and drag areas: on the sample that uses every statement, and on a
// description at the limits (99 windows of buttons and drag areas, all shown).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/log.h"
#include "events/dispatch.h"
#include "vx.h"

namespace {

int nothing(const VXcall*) { return 0; }

const FunctionEntry TABLE[] = {
    {"choose", nothing},  {"toggle", nothing}, {"dismissed", nothing}, {"tick", nothing},
    {"keys", nothing},    {"redraw", nothing}, {"drag", nothing},      {"colours", nothing},
    {"options", nothing}, {"press", nothing},
};

// 99 windows of 33 x 30 in a grid, each with 16 buttons and 4 drag areas, overlapping
// their neighbours; at most a few drag areas lie under any point.
std::string limits() {
  std::string text;
  for (int w = 0; w < 99; ++w) {
    int left = (w % 11) * 58, top = (w / 11) * 53;
    text.append("window(w").append(std::to_string(w)).append(" ");
    text.append(std::to_string(left)).append(" ").append(std::to_string(top));
    text.append(" 70 60 black white black 1 1 0)\n");
    for (int b = 0; b < 16; ++b) {
      text.append("button(b").append(std::to_string(b)).append(" |B| ");
      text.append(std::to_string((b % 4) * 16)).append(" ").append(std::to_string((b / 4) * 14));
      text.append(" 20 18 black dgray lgray press 1 1 0 C)\n");
    }
    for (int d = 0; d < 4; ++d) {
      text.append("dragarea(d").append(std::to_string(d)).append(" ");
      text.append(std::to_string(d * 15)).append(" 20 30 30 white drag 1)\n");
    }
  }
  return text;
}

void bringup(const char* path) {
  vx::setfatalpause(0);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  VXinterfaceinit("bench", path, BSTORE, "w", 16, nullptr, nullptr, "--vx-backend=headless", 0);
  VXredrawall();
}

// Moves across the screen in steps of 7 by 3 pixels, with a press and a release now
// and then.
void dispatch(benchmark::State& state) {
  Event event{};
  int i = 0;
  for (auto _ : state) {
    event.type = (i % 64 == 10) ? BUTTONPRESS : (i % 64 == 20) ? BUTTONRELEASE : MOTION;
    event.x = static_cast<std::int16_t>((i * 7) % 640);
    event.y = static_cast<std::int16_t>((i * 3) % 480);
    vx::dispatchevent(event);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}

void DispatchEverything(benchmark::State& state) {
  bringup(VX_DATA "/everything.inf");
  dispatch(state);
}
BENCHMARK(DispatchEverything);

void DispatchAtTheLimits(benchmark::State& state) {
  std::FILE* file = std::fopen("limits.inf", "w");
  std::fputs(limits().c_str(), file);
  std::fclose(file);
  bringup("limits.inf");
  dispatch(state);
}
BENCHMARK(DispatchAtTheLimits);

}  // namespace
