// Fuzz target: any bytes as a description file. A report must be the only way out;
// the harness turns fatal reports into exceptions so one process can try millions.
#include <cstddef>
#include <cstdint>

#include "core/log.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/model.h"
#include "render/platform/raster.h"
#include "vx.h"

namespace {

struct Fatal {};

// Warnings are dropped: nothing is written for millions of inputs.
bool hook(int level, const char*) {
  if (level != 0) throw Fatal{};
  return true;
}

int named(const char*) { return 0; }
int dragged(int, int, int, const char*) { return 0; }
int evented(int, int, int) { return 0; }
int plain() { return 0; }
int generic(const VXcall*) { return 0; }

// A few rows of every form, so binding succeeds as well as fails.
const FunctionEntry TABLE[] = {
    {"press", named}, {"menu", named},   {"drag", dragged}, {"tick", evented},
    {"done", plain},  {"redraw", plain}, {"any", generic},
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vx::setreporthook(hook);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  vx::platform::opendrawing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vx::setcolorcount(size > 0 && (data[0] & 1) != 0 ? 256 : 16);
  try {
    vx::loaddescriptiontext(reinterpret_cast<const char*>(data), size);
  } catch (const Fatal&) {
  }
  vx::releasemodel();
  return 0;
}
