// The error log, the output log and VXerror, the one way problems are reported.
#include "core/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "render/platform/platform.h"
#include "vx.h"

namespace {

std::FILE* errorlog = nullptr;
std::FILE* outputlog = nullptr;
int fatalpause = vx::FATALPAUSE;
vx::ReportHook reporthook = nullptr;

}  // namespace

void vx::setfatalpause(int milliseconds) { fatalpause = milliseconds; }

void vx::setreporthook(ReportHook hook) { reporthook = hook; }

void vx::closelogs() {
  if (errorlog != nullptr) std::fclose(errorlog);
  if (outputlog != nullptr) std::fclose(outputlog);
  errorlog = nullptr;
  outputlog = nullptr;
}

extern "C" int VXopenerrorlog(const char* mode) {
  if (errorlog != nullptr) return 1;
  if (mode == nullptr) return 0;
  errorlog = std::fopen("error.log", mode);
  if (errorlog == nullptr) return 0;
  std::fprintf(errorlog, "Varnex Interface Handler Library Version %s\n", VX_VERSION);
  std::fflush(errorlog);
  return 1;
}

extern "C" int VXopenoutputlog(const char* mode) {
  if (mode == nullptr) return 0;
  std::FILE* stream = std::fopen("output.log", mode);
  if (stream == nullptr) return 0;
  // Reopening replaces the stream; everything written so far was flushed already.
  if (outputlog != nullptr) std::fclose(outputlog);
  outputlog = stream;
  return 1;
}

extern "C" void VXoutput(const char* format, ...) {
  if (outputlog == nullptr) vx::fatal("Tried to write to uninitialized output.log\n");
  if (format == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(outputlog, format, args);
  va_end(args);
  std::fflush(outputlog);
}

namespace {

// Writes one report; a nonzero level ends the process.
__attribute__((format(printf, 2, 0))) void report(int level, const char* format, va_list args) {
  if (reporthook != nullptr) {
    reporthook(level);
    if (level == 0) return;
  }
  if (errorlog == nullptr && VXopenerrorlog("w") == 0) {
    std::fputs("Unable to write to error.log\n", stdout);
    std::fflush(stdout);
    std::exit(-1);
  }
  if (format == nullptr) format = "";

  va_list again;
  va_copy(again, args);
  std::vfprintf(errorlog, format, args);
  // On disk before anything else happens: a crash after this keeps the line.
  std::fflush(errorlog);

  if (level == 0) {
    va_end(again);
    return;
  }

  VXPclose();
  std::fclose(errorlog);
  errorlog = nullptr;
  if (outputlog != nullptr) {
    std::fclose(outputlog);
    outputlog = nullptr;
  }
  std::vfprintf(stdout, format, again);
  va_end(again);
  std::fflush(stdout);
  VXPdelay(fatalpause);
  std::exit(level);
}

}  // namespace

extern "C" void VXerror(int level, const char* format, ...) {
  va_list args;
  va_start(args, format);
  report(level, format, args);
  va_end(args);
}

void vx::fatal(const char* format, ...) {
  va_list args;
  va_start(args, format);
  report(-1, format, args);
  va_end(args);
  std::exit(-1);  // not reached: a fatal report exits
}
