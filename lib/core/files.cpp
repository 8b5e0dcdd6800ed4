// Opening files by "/"-separated paths, and the size of an open stream.
#include "core/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/log.h"
#include "vx.h"

namespace {

#ifdef _WIN32
constexpr char SEPARATOR = '\\';  // this platform's own separator
#else
constexpr char SEPARATOR = '/';
#endif
constexpr std::size_t PATHBUFFER = 256;

}  // namespace

extern "C" FILE* VXopenfile(const char* path, const char* mode) {
  if (path == nullptr || mode == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  // A path that does not fit the buffer is refused rather than cut: a cut path
  // could name another file.
  std::size_t length = std::strlen(path);
  if (length >= PATHBUFFER) {
    errno = ENAMETOOLONG;
    return nullptr;
  }
  char copy[PATHBUFFER];
  for (std::size_t i = 0; i <= length; i++) copy[i] = path[i] == '/' ? SEPARATOR : path[i];
  std::FILE* file = std::fopen(copy, mode);
  if (file == nullptr) errno = vx::openerror(copy);
  return file;
}

int vx::openerror(const char* path) {
  int reason = errno;
  struct stat status {};
  if (reason == EACCES && stat(path, &status) == 0 && S_ISDIR(status.st_mode)) return EISDIR;
  return reason;
}

extern "C" int32_t VXfilesize(FILE* stream) {
  if (stream == nullptr) vx::fatal("Error: VXfilesize unable to determine file size.");
  long position = std::ftell(stream);
  if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0)
    vx::fatal("Error: VXfilesize unable to determine file size.");
  long size = std::ftell(stream);
  std::fseek(stream, position, SEEK_SET);
  if (size < 0 || size > INT32_MAX) vx::fatal("Error: VXfilesize unable to determine file size.");
  return static_cast<int32_t>(size);
}

std::FILE* vx::openreadable(const char* path, const char* mode) {
  std::FILE* file = VXopenfile(path, mode);
  if (file == nullptr) return nullptr;
  int c = std::getc(file);
  if (c == EOF && std::ferror(file) != 0) {
    int reason = errno;
    std::fclose(file);
    errno = reason;
    return nullptr;
  }
  if (c != EOF) std::ungetc(c, file);
  return file;
}
