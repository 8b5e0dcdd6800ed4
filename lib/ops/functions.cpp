// Switching the per-event calls of declared functions.
#include "ops/lookup.h"
#include "vx.h"

using namespace vx;

namespace {

void setperevent(const char* function, int on) {
  model.functions[getname(model.functions, model.nfunctions, function, "function")].perevent = on;
}

}  // namespace

void VXactivatefunction(const char* function) { setperevent(function, 1); }

void VXdeactivatefunction(const char* function) { setperevent(function, 0); }
