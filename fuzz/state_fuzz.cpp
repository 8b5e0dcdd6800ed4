// Fuzz target: any bytes as a state file, loaded into the sample description that uses
// every statement, then everything redrawn and every popup opened: a damaged or foreign
// file must leave an interface that draws.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "harness.h"
#include "model/model.h"
#include "render/popups.h"

namespace {

std::string sample;

// The functions the sample names.
const FunctionEntry TABLE[] = {
    {"choose", vxfuzz::generic}, {"toggle", vxfuzz::generic},  {"dismissed", vxfuzz::generic},
    {"tick", vxfuzz::generic},   {"keys", vxfuzz::generic},    {"redraw", vxfuzz::generic},
    {"drag", vxfuzz::generic},   {"colours", vxfuzz::generic}, {"options", vxfuzz::generic},
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  sample = vx::readdescription(VX_DATA "/everything.inf");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vxfuzz::bringup(sample.data(), sample.size(), 16);
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (in == nullptr) return 0;
    VXloadstate(in);
    std::fclose(in);
    VXredrawall();
    for (int p = 0; p < vx::model.npopups; ++p) {
      VXopenpopup(vx::model.Popups[p].name);
      vx::closepopup();
    }
  } catch (const vxfuzz::Fatal&) {
  }
  return 0;
}
