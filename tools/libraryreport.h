// The library's own fatal reports, caught instead of ending the process, so that the
// tool can show them where they belong and go on.
#pragma once

#include <functional>
#include <string>

namespace vxtool {

// The text of the fatal report that `action` ends in, or empty when it returns. Only
// for calls that hold nothing of their own when they report: the report leaves them
// through an exception. Warnings go to the error log as they would.
std::string fatalreport(const std::function<void()>& action);

}  // namespace vxtool
