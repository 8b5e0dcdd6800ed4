// The library's own fatal reports, caught instead of ending the process.
#include "libraryreport.h"

#include "core/log.h"

namespace vxtool {

namespace {

struct Reported {
  std::string text;
};

bool leave(int level, const char* text) {
  if (level == 0) return false;
  throw Reported{text};
}

}  // namespace

std::string fatalreport(const std::function<void()>& action) {
  vx::setreporthook(leave);
  std::string text;
  try {
    action();
  } catch (const Reported& report) {
    text = report.text;
  }
  vx::setreporthook(nullptr);
  return text;
}

}  // namespace vxtool
