// Waiting without spinning.
#include <chrono>
#include <thread>

#include "render/platform/platform.h"

void VXPdelay(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
