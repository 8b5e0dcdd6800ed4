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

// The core layer's state, all of it. It outlives any one interface: the logs stay open
// from one bring-up to the next, as the log mode asks.
struct CoreState {
  std::FILE* errorlog = nullptr;
  std::FILE* logstream = nullptr;  // in place of the error log's file, for tools
  std::FILE* outputlog = nullptr;
  bool outputfailed = false;  // a failed write to the output log was reported
  int fatalpause = vx::FATALPAUSE;
  vx::ReportHook reporthook = nullptr;
  void (*fatalteardown)() = nullptr;
  vx::FatalNote fatalnote = nullptr;
} core;

}  // namespace

void vx::setfatalpause(int milliseconds) { core.fatalpause = milliseconds; }

void vx::setreporthook(ReportHook hook) { core.reporthook = hook; }

void vx::setfatalteardown(void (*teardown)()) { core.fatalteardown = teardown; }

void vx::setfatalnote(FatalNote note) { core.fatalnote = note; }

void vx::setlogstream(std::FILE* stream) { core.logstream = stream; }

void vx::closelogs() {
  if (core.errorlog != nullptr) std::fclose(core.errorlog);
  if (core.outputlog != nullptr) std::fclose(core.outputlog);
  core.errorlog = nullptr;
  core.outputlog = nullptr;
}

namespace {

// A log, its lines ended by "\n" on every system (Windows would make them "\r\n").
std::FILE* openlog(const char* name, const char* mode) {
  std::string binary = mode;
  if (binary.find('b') == std::string::npos) binary += 'b';
  return std::fopen(name, binary.c_str());
}

}  // namespace

extern "C" int VXopenerrorlog(const char* mode) {
  if (core.errorlog != nullptr || core.logstream != nullptr) return 1;
  if (mode == nullptr) return 0;
  core.errorlog = openlog("error.log", mode);
  if (core.errorlog == nullptr) return 0;
  std::fprintf(core.errorlog, "Varnex Interface Handler Library Version %s\n", VX_VERSION);
  std::fflush(core.errorlog);
  return 1;
}

extern "C" int VXopenoutputlog(const char* mode) {
  if (mode == nullptr) return 0;
  std::FILE* stream = openlog("output.log", mode);
  if (stream == nullptr) return 0;
  // Reopening replaces the stream; everything written so far was flushed already.
  if (core.outputlog != nullptr) std::fclose(core.outputlog);
  core.outputlog = stream;
  core.outputfailed = false;
  return 1;
}

extern "C" void VXoutput(const char* format, ...) {
  if (core.outputlog == nullptr) vx::fatal("Tried to write to uninitialized output.log\n");
  if (format == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(core.outputlog, format, args);
  va_end(args);
  if (std::fflush(core.outputlog) != 0 || std::ferror(core.outputlog) != 0) {
    // The application owns this log and decides whether to go on; it hears of a full
    // disk once, not at every line.
    int reason = errno;
    if (!core.outputfailed) {
      core.outputfailed = true;
      VXerror(0, "Unable to write to output.log: %s\n", std::strerror(reason));
    }
  }
}

namespace {

__attribute__((format(printf, 1, 0))) std::string formatted(const char* format, va_list args) {
  if (format == nullptr) return "";
  va_list again;
  va_copy(again, args);
  int size = std::vsnprintf(nullptr, 0, format, args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

void write(std::FILE* out, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), out);
  std::fflush(out);
}

// Every log line goes through here: the error log is opened when it is not yet, and a
// log that cannot be opened ends the program.
void logline(const std::string& text) {
  if (core.logstream != nullptr) {
    write(core.logstream, text);
    return;
  }
  if (core.errorlog == nullptr && VXopenerrorlog("w") == 0) {
    std::fputs("Unable to write to error.log\n", stdout);
    std::fflush(stdout);
    std::exit(-1);
  }
  // On disk before anything else happens: a crash after this keeps the line.
  write(core.errorlog, text);
}

// The one way the library ends a program on a failure: the report is logged, the window
// closed, both logs closed, the message written to `out`, and after the pause the process
// exits with `status`.
[[noreturn]] void die(int status, std::FILE* out, const std::string& text) {
  logline(text);
  if (core.fatalteardown != nullptr) core.fatalteardown();
  if (core.errorlog != nullptr) std::fclose(core.errorlog);
  core.errorlog = nullptr;
  if (core.outputlog != nullptr) {
    std::fclose(core.outputlog);
    core.outputlog = nullptr;
  }
  std::fflush(stdout);
  if (core.logstream == nullptr) write(out, text);
  if (core.fatalnote != nullptr) {
    vx::FatalNote note = core.fatalnote;
    core.fatalnote = nullptr;  // once, whatever the note does
    note(text.c_str());
    std::fflush(stderr);
  }
  if (core.fatalpause > 0) std::this_thread::sleep_for(std::chrono::milliseconds(core.fatalpause));
  std::exit(status);
}

// Hands a report to the hook, if any: true for a warning the hook took care of, which
// goes no further. A hook may leave by throwing; the text is formatted by then.
bool hooked(int level, const std::string& text) {
  return core.reporthook != nullptr && core.reporthook(level, text.c_str()) && level == 0;
}

}  // namespace

extern "C" void VXerror(int level, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  if (hooked(level, text)) return;
  if (level != 0) die(level, stdout, text);
  logline(text);
}

void vx::fatal(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  hooked(-1, text);
  die(-1, stdout, text);
}

void vx::toolkitfatal(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  hooked(-1, text);
  die(-1, stderr, text);
}

void vx::notice(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatted(format, args);
  va_end(args);
  if (core.outputlog != nullptr)
    VXoutput("%s", text.c_str());
  else
    VXerror(0, "%s", text.c_str());
}
