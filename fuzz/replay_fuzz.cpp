// Fuzz target: any bytes as a replay script, read and checked, then every step of every
// line played, and every key named as a recording names it.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "harness.h"
#include "render/platform/headless/replay.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vx::setreporthook(vxfuzz::hook);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::platform;
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  if (in == nullptr) return 0;
  try {
    for (const ScriptLine& line : readscript(in, "fuzz.txt")) {
      Step step;
      for (long i = 0; scriptstep(line, i, "fuzz.txt", &step); ++i)
        if (step.kind == Step::Kind::message) (void)keyname(step.message.key);
    }
  } catch (const vxfuzz::Fatal&) {
  }
  std::fclose(in);
  return 0;
}
