// Random use of the demonstration: presses, releases, moves, drags, keys (Control-T
// among them, never Control-Q) and time, from a fixed seed. VX_MONKEY_EVENTS sets how
// many (100000 unless told).
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <cstdlib>
#include <iostream>
#include <random>

#include "support/demo_fixture.h"
#include "zeftest.h"

namespace {

class DemoMonkey : public vxtest::DemoTest {};

TEST_F(DemoMonkey, SurvivesRandomEventsWithoutEnding) {
  long events = 100000;
  if (const char* told = std::getenv("VX_MONKEY_EVENTS")) events = std::atol(told);
  std::mt19937 random(20261207);
  auto between = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::size_t most = 0;
  long alerts = 0;
  int x = 320, y = 240;
  for (long i = 0; i < events; i++) {
    // Mostly near the last position, so that drags and typing happen; at times anywhere.
    if (between(0, 9) == 0) {
      x = between(-20, 660);
      y = between(-20, 500);
    } else {
      x = std::clamp(x + between(-40, 40), -20, 660);
      y = std::clamp(y + between(-40, 40), -20, 500);
    }
    // The Quit button would end the run.
    bool onquit = x >= 510 && x <= 632 && y >= 40 && y <= 80;
    int roll = between(0, 99);
    if (zeftest::state.typedtoofar && roll < 10) {
      click(320, 255);  // OK, on the alert
    } else if (roll < 35) {
      move(x, y);
    } else if (roll < 50 && !onquit) {
      press(x, y);
    } else if (roll < 65 && !onquit) {
      release(x, y);
    } else if (roll < 88) {
      int code = between(0, 3) == 0 ? 8 : between(1, 127);
      key(code == 17 ? 20 : code);
    } else if (roll < 99) {
      tick(between(1, 5));
    } else if (between(0, 99) == 0) {
      expose();
    }
    most = std::max(most, zeftest::objectcount());
    alerts += zeftest::state.typedtoofar ? 1 : 0;
  }
  std::cout << events << " events; at most " << most << " objects; the alert up for " << alerts
            << " of them";
#ifndef _WIN32
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::cout << "; peak RSS " << usage.ru_maxrss << " KiB";
#endif
  std::cout << "\n";
  EXPECT_LE(most, static_cast<std::size_t>(events));
}

}  // namespace
