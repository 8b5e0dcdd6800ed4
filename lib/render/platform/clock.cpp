// The stopwatch used for auto-repeat and the time of day, on the back-end's clock
// (virtual when headless).
#include <chrono>
#include <ctime>

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

bool VXPtimeofday(std::tm* time) {
  *time = std::tm{};
  if (vx::platform::headless::active()) {
    unsigned long seconds = vx::platform::headless::time() / 1000;
    time->tm_hour = static_cast<int>(seconds / 3600 % 24);
    time->tm_min = static_cast<int>(seconds / 60 % 60);
    time->tm_sec = static_cast<int>(seconds % 60);
    return true;
  }
  std::time_t now = std::time(nullptr);
#ifdef _WIN32
  return localtime_s(time, &now) == 0;
#else
  return localtime_r(&now, time) != nullptr;
#endif
}
