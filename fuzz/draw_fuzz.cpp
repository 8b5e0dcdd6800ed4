// Fuzz target: any bytes as a description file, brought up and drawn the ways a program
// draws it: every window redrawn, shown with its store and modally and hidden again,
// every popup opened, its highlight moved over every row and past its edges, and closed.
// So the drawing arithmetic meets every number the loader accepts.
#include <climits>
#include <cstddef>
#include <cstdint>

#include "harness.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "vx.h"

namespace {

// Pointer positions for the highlight: the popup's corners and rows, and far away.
void sweep(const vx::Popup& popup) {
  const int far[] = {INT_MIN, -1, 0, 320, 639, INT_MAX};
  for (int x : far) vx::highlightpopup(x, 240);
  for (int row = -1; row <= popup.nitems + 1; ++row) {
    long long y = static_cast<long long>(popup.top) + 3 + row * vx::POPUPROW + 5;
    if (y < INT_MIN || y > INT_MAX) continue;
    vx::highlightpopup(popup.left < INT_MAX ? popup.left + 1 : popup.left, static_cast<int>(y));
  }
}

void drawall() {
  VXredrawall();
  for (int w = 0; w < vx::model.nwindows; ++w) {
    const char* name = vx::model.Win[w].name;
    VXshowwindow(name, 1, 0);
    VXhidewindow(name);
    VXshowwindow(name, 0, 1);
    VXhidewindow(name);
  }
  for (int p = 0; p < vx::model.npopups; ++p) {
    VXopenpopup(vx::model.Popups[p].name);
    sweep(vx::model.Popups[p]);
    vx::closepopup();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vxfuzz::bringup(reinterpret_cast<const char*>(data), size,
                    size > 0 && (data[0] & 1) != 0 ? 256 : 16);
    drawall();
  } catch (const vxfuzz::Fatal&) {
  }
  vx::releasemodel();
  return 0;
}
