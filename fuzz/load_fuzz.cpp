// Fuzz target: any bytes as a description file. A report must be the only way out.
#include <cstddef>
#include <cstdint>

#include "harness.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/model.h"
#include "render/platform/framebuffer.h"
#include "vx.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  vx::platform::opendrawing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vx::setcolorcount(size > 0 && (data[0] & 1) != 0 ? 256 : 16);
  try {
    vx::loaddescriptiontext(reinterpret_cast<const char*>(data), size);
  } catch (const vxfuzz::Fatal&) {
  }
  vx::releasemodel();
  return 0;
}
