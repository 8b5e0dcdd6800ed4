// Fuzz target: any bytes as a description file, brought up and drawn the ways a program
// draws it: every window redrawn, shown with its store and modally and hidden again,
// every popup opened, its highlight moved over every row and past its edges, and closed.
// So the drawing arithmetic meets every number the loader accepts.
#include <climits>
#include <cstddef>
#include <cstdint>

#include "core/log.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/model.h"
#include "model/settings.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/state.h"
#include "render/stores.h"
#include "vx.h"

namespace {

struct Fatal {};

bool hook(int level, const char*) {
  if (level != 0) throw Fatal{};
  return true;
}

int named(const char*) { return 0; }
int dragged(int, int, int, const char*) { return 0; }
int evented(int, int, int) { return 0; }
int plain() { return 0; }
int generic(const VXcall*) { return 0; }

// The loader's fuzz table, so that the two share their seeds.
const FunctionEntry TABLE[] = {
    {"press", named}, {"menu", named},   {"drag", dragged}, {"tick", evented},
    {"done", plain},  {"redraw", plain}, {"any", generic},
};

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
  VXPsetpalette(vx::palettetable, vx::colorcount);
  vx::initstores(BSTORE);
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
  vx::setreporthook(hook);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vx::resetrenderstate();
  vx::resetsettings();
  vx::highlightcolor = 0;
  vx::setcolorcount(size > 0 && (data[0] & 1) != 0 ? 256 : 16);
  try {
    vx::loaddescriptiontext(reinterpret_cast<const char*>(data), size);
    drawall();
  } catch (const Fatal&) {
  }
  vx::releasemodel();
  return 0;
}
