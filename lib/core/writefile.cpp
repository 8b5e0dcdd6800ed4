// Whole files written beside their path and renamed into place.
#include "core/writefile.h"

#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace vx {

namespace {

// What the systems do differently: links, full paths, permissions and replacing a file.
#ifdef _WIN32
bool islink(const char*) { return false; }
char* fullpath(const char* path) { return _fullpath(nullptr, path, 0); }
void setmode(int, mode_t) {}
// A rename does not replace a file here; a move may.
bool replace(const char* from, const char* to) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}
constexpr const char* SEPARATORS = "/\\";
#else
bool islink(const char* path) {
  struct stat link {};
  return lstat(path, &link) == 0;
}
char* fullpath(const char* path) { return realpath(path, nullptr); }
void setmode(int descriptor, mode_t mode) { fchmod(descriptor, mode); }
bool replace(const char* from, const char* to) { return std::rename(from, to) == 0; }
constexpr const char* SEPARATORS = "/";
#endif

// Writes and closes the stream; false with errno set when anything failed.
bool finish(std::FILE* file, const std::function<bool(std::FILE*)>& write) {
  errno = 0;
  bool written = write(file);
  if (std::fflush(file) != 0 || std::ferror(file) != 0) written = false;
  int reason = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    reason = errno;
  }
  if (!written) errno = reason != 0 ? reason : EIO;
  return written;
}

bool inplace(const char* path, const std::function<bool(std::FILE*)>& write) {
  std::FILE* file = std::fopen(path, "wb");
  return file != nullptr && finish(file, write);
}

// A new file in `folder`, named after `base` when the name has room for it; -1 with
// errno set when the folder takes no new file.
int maketemporary(const std::string& folder, const std::string& base, std::vector<char>* name) {
  std::string named = folder;
  named.append(".").append(base).append(".XXXXXX");
  for (const std::string& pattern : {named, folder + ".vx.XXXXXX"}) {
    name->assign(pattern.begin(), pattern.end());
    name->push_back('\0');
    int descriptor = mkstemp(name->data());
    if (descriptor >= 0 || errno != ENAMETOOLONG) return descriptor;
  }
  return -1;
}

}  // namespace

bool writefile(const char* path, const std::function<bool(std::FILE*)>& write) {
  if (path == nullptr || *path == '\0') {
    errno = ENOENT;
    return false;
  }
  struct stat old {};
  bool exists = stat(path, &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    errno = EISDIR;
    return false;
  }
  bool dangling = !exists && islink(path);
  if ((exists && !S_ISREG(old.st_mode)) || dangling) return inplace(path, write);

  std::string target = path;
  if (exists) {
    if (char* real = fullpath(path)) {
      target = real;
      std::free(real);
    }
  }
  std::string::size_type slash = target.find_last_of(SEPARATORS);
  std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::vector<char> temporary;
  // Never written in place instead: a write that failed half way would leave neither
  // the old file nor the new one.
  int descriptor = maketemporary(folder, base, &temporary);
  if (descriptor < 0) return false;

  // The new file gets the old one's permissions, or those a new file gets here.
  mode_t mask = umask(0);
  umask(mask);
  setmode(descriptor, exists ? (old.st_mode & 07777) : (0666 & ~mask));
  std::FILE* file = fdopen(descriptor, "wb");
  if (file == nullptr) {
    int reason = errno;
    close(descriptor);
    unlink(temporary.data());
    errno = reason;
    return false;
  }
  if (!finish(file, write) || !replace(temporary.data(), target.c_str())) {
    int reason = errno;
    unlink(temporary.data());
    errno = reason;
    return false;
  }
  return true;
}

}  // namespace vx
