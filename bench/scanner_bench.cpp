// How fast the description-file scanner reads a file, by kind of line end: a file with
// lone carriage returns must scan at the speed of one with line feeds (the anchor).
#include <benchmark/benchmark.h>

#include <string>

#include "model/scanner.h"

namespace {

// About a megabyte of statements and comments, each line ended by `end`.
std::string description(const std::string& end) {
  std::string text;
  for (int i = 0; text.size() < (1u << 20); ++i) {
    std::string number = std::to_string(i);
    text.append("# button number ").append(number).append(end);
    text.append("button(b").append(number);
    text.append(" |Label| 10 20 90 24 black dgray lgray press 0 1 0 C)").append(end);
  }
  return text;
}

void Scan(benchmark::State& state, const char* end) {
  std::string text = description(end);
  for (auto _ : state) {
    vx::scanner::start(text.data(), text.size());
    vx::scanner::TokenValue value;
    long tokens = 0;
    while (vx::scanner::next(value) != 0) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(Scan, LineFeeds, "\n");
BENCHMARK_CAPTURE(Scan, CarriageReturns, "\r");
BENCHMARK_CAPTURE(Scan, CarriageReturnLineFeeds, "\r\n");

}  // namespace
