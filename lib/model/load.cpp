// Loading the description file into the interface model.
#include "model/load.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/log.h"
#include "model/callbacks.h"
#include "model/colors.h"
#include "model/parser.h"
#include "model/reports.h"
#include "model/scanner.h"
#include "model/statements.h"
#include "vx.h"

namespace vx {

namespace {

BoldWidth measure = nullptr;

// A report on one line: each line end, with the blanks that indent the next line, becomes
// one blank.
std::string oneline(const char* text) {
  std::string line;
  for (const char* c = text; *c != '\0'; c++) {
    if (*c != '\n') {
      line += *c;
      continue;
    }
    while (c[1] == ' ' || c[1] == '\t') c++;
    if (c[1] != '\0') line += ' ';
  }
  return line;
}

// An application's fatal load report once more, on standard error, as compilers write
// theirs, so that an editor can go to it: FILE:LINE:COLUMN: error: TEXT. A report on a
// line gives its message, the place saying the rest; an unreadable file says why.
void noteplace(const char* text) {
  const LoadState& l = modelstate.loading;
  std::string words = oneline(l.failedmessage != nullptr ? l.failedmessage : text);
  if (l.openerror != 0) {
    if (words.ends_with('.')) words.pop_back();
    words.append(": ").append(std::strerror(l.openerror));
  }
  if (l.failedat == NOWHERE) {
    std::fprintf(stderr, "%s: error: %s\n", l.file, words.c_str());
    return;
  }
  Place at = l.failedat < modelstate.scanner.length ? scanner::placefrom({0, 0, 0}, l.failedat)
                                                    : scanner::endplace();
  std::fprintf(stderr, "%s:%d:%d: error: %s\n", l.file, at.line, at.column, words.c_str());
}

// Whatever way a load ends (a fuzzer's report hook may leave by throwing), what it kept
// goes, and no later report thinks itself part of it.
struct Done {
  LoadState& l;
  ~Done() {
    l = LoadState{};
    setfatalnote(nullptr);
  }
};

// The whole file into `text`: 0, or the errno of what went wrong.
int readwhole(const char* path, std::string& text) {
  errno = 0;
  std::FILE* file = VXopenfile(path, "r");
  if (file == nullptr) return errno != 0 ? errno : EIO;
  // A file's size is known before it is read: it is read in one piece, straight into
  // the text; whatever else there is (a file that grew, a pipe) follows in blocks.
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    text.resize(static_cast<std::size_t>(status.st_size));
    text.resize(std::fread(text.data(), 1, text.size(), file));
  }
  char block[16384];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
  // A folder opens, and says what it is at the first read.
  int reason = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  return reason;
}

// Read once, count, allocate, fill: the tables never move once they are filled, so an
// object's index stays its identity, and the text is scanned once for both passes.
void load(const char* text, std::size_t size, LoadSink* sink, const char* file) {
  modelstate.settings.redrawfunction = nullptr;
  reindexcallbacks();
  LoadState& l = modelstate.loading;
  l = LoadState{};
  Done done{l};
  l.sink = sink;
  l.file = file;
  if (sink == nullptr && *file != '\0') setfatalnote(noteplace);
  // Room for a value in every four bytes and a statement in every twenty: more than
  // any file needs, and pages never written are never touched.
  l.values.reserve(size / 4);
  l.statements.reserve(size / 20);
  scanner::start(text, size);
  readstatements();
  allocatemodel(l.counts);

  installbuiltincolors();
  fillstatements();
}

}  // namespace

void setboldwidth(BoldWidth function) { measure = function; }

int boldwidth(const char* text) {
  if (measure == nullptr) fatal(reports::NOMEASURE);
  return measure(text);
}

std::string readdescription(const char* path) {
  std::string text;
  if (readwhole(path, text) != 0) fatal(reports::CANNOTOPEN, path);
  return text;
}

void loaddescription(const char* path) {
  std::string text;
  if (int reason = readwhole(path, text); reason != 0) {
    LoadState& l = modelstate.loading;
    l.file = path;
    l.openerror = reason;
    if (path != nullptr) setfatalnote(noteplace);
    try {
      fatal(reports::CANNOTOPEN, path);
    } catch (...) {
      // A report hook that leaves by throwing takes the note with it.
      setfatalnote(nullptr);
      l = LoadState{};
      throw;
    }
  }
  load(text.data(), text.size(), nullptr, path);
}

void loaddescriptiontext(const char* text, std::size_t size) { load(text, size, nullptr, ""); }

void loaddescriptiontext(const char* text, std::size_t size, LoadSink& sink, const char* file) {
  load(text, size, &sink, file);
}

}  // namespace vx
