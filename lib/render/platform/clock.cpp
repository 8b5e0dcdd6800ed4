// The stopwatch used for auto-repeat, on the back-end's clock (virtual when headless).
#include <chrono>

#include "render/platform/backend.h"
#include "render/platform/platform.h"

namespace {

unsigned long marked = 0;

unsigned long now() {
  if (vx::platform::backend != nullptr) return vx::platform::backend->clock();
  using namespace std::chrono;
  return static_cast<unsigned long>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

unsigned long VXPmarktime() {
  marked = now();
  return marked;
}

unsigned long VXPelapsed() { return now() - marked; }
