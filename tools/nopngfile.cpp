// PNG files for vxtool rl4 where there is no libpng to read and write them (Windows).
#include <cerrno>

#include "pngfile.h"

namespace vxtool {

bool readvalues(const char*, Values*, std::string* why) {
  *why = "this vxtool was built without libpng; rl4 encode needs it (the Linux vxtool has it)";
  return false;
}

bool writeindexed(const char*, const Values&, const std::vector<std::uint8_t>&) {
  errno = ENOSYS;
  return false;
}

}  // namespace vxtool
