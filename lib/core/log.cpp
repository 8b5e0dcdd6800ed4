// The error log, the output log and VXerror, the one way problems are reported.
#include "core/log.h"

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "vx.h"

namespace {

std::FILE* errorlog = nullptr;
std::FILE* outputlog = nullptr;
bool outputfailed = false;  // a failed write to the output log was reported
int fatalpause = vx::FATALPAUSE;
vx::ReportHook reporthook = nullptr;
void (*fatalteardown)() = nullptr;

}  // namespace

void vx::setfatalpause(int milliseconds) { fatalpause = milliseconds; }

void vx::setreporthook(ReportHook hook) { reporthook = hook; }

void vx::setfatalteardown(void (*teardown)()) { fatalteardown = teardown; }

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
  outputfailed = false;
  return 1;
}

extern "C" void VXoutput(const char* format, ...) {
  if (outputlog == nullptr) vx::fatal("Tried to write to uninitialized output.log\n");
  if (format == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(outputlog, format, args);
  va_end(args);
  if (std::fflush(outputlog) != 0 || std::ferror(outputlog) != 0) {
    // The application owns this log and decides whether to go on; it hears of a full
    // disk once, not at every line.
    int reason = errno;
    if (!outputfailed) {
      outputfailed = true;
      VXerror(0, "Unable to write to output.log: %s\n", std::strerror(reason));
    }
  }
}

namespace {

__attribute__((format(printf, 1, 0))) std::string formatted(const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  int size = std::vsnprintf(nullptr, 0, format, args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

// Writes one report; a nonzero level ends the process, with the message on `out`.
__attribute__((format(printf, 3, 0))) void report(int level, std::FILE* out, const char* format,
                                                  va_list args) {
  if (format == nullptr) format = "";
  if (reporthook != nullptr) {
    va_list copy;
    va_copy(copy, args);
    std::string text = formatted(format, copy);
    va_end(copy);
    if (reporthook(level, text.c_str()) && level == 0) return;
  }
  if (errorlog == nullptr && VXopenerrorlog("w") == 0) {
    std::fputs("Unable to write to error.log\n", stdout);
    std::fflush(stdout);
    std::exit(-1);
  }

  va_list again;
  va_copy(again, args);
  std::vfprintf(errorlog, format, args);
  // On disk before anything else happens: a crash after this keeps the line.
  std::fflush(errorlog);

  if (level == 0) {
    va_end(again);
    return;
  }

  if (fatalteardown != nullptr) fatalteardown();
  std::fclose(errorlog);
  errorlog = nullptr;
  if (outputlog != nullptr) {
    std::fclose(outputlog);
    outputlog = nullptr;
  }
  std::fflush(stdout);
  std::vfprintf(out, format, again);
  va_end(again);
  std::fflush(out);
  if (fatalpause > 0) std::this_thread::sleep_for(std::chrono::milliseconds(fatalpause));
  std::exit(level);
}

}  // namespace

extern "C" void VXerror(int level, const char* format, ...) {
  va_list args;
  va_start(args, format);
  report(level, stdout, format, args);
  va_end(args);
}

void vx::fatal(const char* format, ...) {
  va_list args;
  va_start(args, format);
  report(-1, stdout, format, args);
  va_end(args);
  std::exit(-1);  // not reached: a fatal report exits
}

void vx::toolkitfatal(const char* format, ...) {
  va_list args;
  va_start(args, format);
  report(-1, stderr, format, args);
  va_end(args);
  std::exit(-1);  // not reached: a fatal report exits
}
