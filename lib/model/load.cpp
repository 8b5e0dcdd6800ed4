// Loading the description file into the interface model.
#include "model/load.h"

#include <sys/stat.h>

#include <cstdio>
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

// Read once, count, allocate, fill: the tables never move once they are filled, so an
// object's index stays its identity, and the text is scanned once for both passes.
void load(const char* text, std::size_t size, LoadSink* sink, const char* file) {
  modelstate.settings.redrawfunction = nullptr;
  reindexcallbacks();
  LoadState& l = modelstate.loading;
  l = LoadState{};
  // Whatever way the load ends (a fuzzer's report hook may leave by throwing), what it
  // kept goes, and no later report thinks itself part of it.
  struct Done {
    LoadState& l;
    ~Done() { l = LoadState{}; }
  } done{l};
  l.sink = sink;
  l.file = file;
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
  std::FILE* file = VXopenfile(path, "r");
  if (file == nullptr) fatal(reports::CANNOTOPEN, path);
  // A file's size is known before it is read: it is read in one piece, straight into
  // the text; whatever else there is (a file that grew, a pipe) follows in blocks.
  std::string text;
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    text.resize(static_cast<std::size_t>(status.st_size));
    text.resize(std::fread(text.data(), 1, text.size(), file));
  }
  char block[16384];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) fatal(reports::CANNOTOPEN, path);
  return text;
}

void loaddescription(const char* path) {
  std::string text = readdescription(path);
  load(text.data(), text.size(), nullptr, path);
}

void loaddescriptiontext(const char* text, std::size_t size) { load(text, size, nullptr, ""); }

void loaddescriptiontext(const char* text, std::size_t size, LoadSink& sink, const char* file) {
  load(text, size, &sink, file);
}

}  // namespace vx
