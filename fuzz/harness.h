// What the fuzz targets share: fatal reports turned into exceptions, so that one
// process can try millions of inputs; warnings dropped, so that nothing is written for
// them; and a few callback rows of every form, so that binding succeeds as well as fails.
#pragma once

#include <cstddef>
#include <iterator>

#include "core/log.h"
#include "events/dispatch.h"
#include "events/state.h"
#include "layers.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/state.h"
#include "render/platform/platform.h"
#include "render/state.h"
#include "render/stores.h"
#include "vx.h"

namespace vxfuzz {

struct Fatal {};

inline bool hook(int level, const char*) {
  if (level != 0) throw Fatal{};
  return true;
}

inline int named(const char*) { return 0; }
inline int dragged(int, int, int, const char*) { return 0; }
inline int evented(int, int, int) { return 0; }
inline int plain() { return 0; }
inline int generic(const VXcall*) { return 0; }

inline const FunctionEntry TABLE[] = {
    {"press", named}, {"menu", named},   {"drag", dragged}, {"tick", evented},
    {"done", plain},  {"redraw", plain}, {"any", generic},
};

// The hook, and the table for the loader.
inline void start() {
  vx::connectlayers();
  vx::setreporthook(hook);
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
}

// Brings a description in memory up as an application's start does, on the headless
// window the target opened: fresh state, the model, the palette, the stores.
inline void bringup(const char* text, std::size_t size, int colors) {
  vx::resetlayers();
  vx::setcolorcount(colors);
  vx::loaddescriptiontext(text, size);
  VXPsetpalette(vx::modelstate.colors.palette, vx::modelstate.colorcount);
  vx::initstores(BSTORE);
}

}  // namespace vxfuzz
