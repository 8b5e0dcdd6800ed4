// Fuzz target: any bytes as a description file. A report must be the only way out, and
// the loader's reporting mode must find an error exactly when an application stops.
#include <cstddef>
#include <cstdint>

#include "harness.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/model.h"
#include "render/platform/framebuffer.h"
#include "vx.h"

namespace {

struct Errors : vx::LoadSink {
  int count = 0;
  void report(const vx::LoadReport& report) override { count += report.error ? 1 : 0; }
  void statement(const vx::ReadStatement&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  vx::platform::opendrawing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  int colors = size > 0 && (data[0] & 1) != 0 ? 256 : 16;
  vx::setcolorcount(colors);
  bool stopped = false;
  try {
    vx::loaddescriptiontext(text, size);
  } catch (const vxfuzz::Fatal&) {
    stopped = true;
  }
  Errors errors;
  vx::setcolorcount(colors);
  vx::loaddescriptiontext(text, size, errors, "fuzz.inf");
  if (stopped != (errors.count > 0)) __builtin_trap();
  vx::releasemodel();
  return 0;
}
