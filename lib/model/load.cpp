// Loading the description file into the interface model.
#include "model/load.h"

#include <cstdio>
#include <string>

#include "core/log.h"
#include "model/callbacks.h"
#include "model/colors.h"
#include "model/parser.h"
#include "model/scanner.h"
#include "model/settings.h"
#include "vx.h"

namespace vx {

namespace {

BoldWidth measure = nullptr;

}  // namespace

void setboldwidth(BoldWidth function) { measure = function; }

int boldwidth(const char* text) {
  if (measure == nullptr) fatal("Popups cannot be sized: nothing measures text yet.\n");
  return measure(text);
}

std::string readdescription(const char* path) {
  std::FILE* file = VXopenfile(path, "r");
  if (file == nullptr) fatal("Cannot open interface file |%s|.\n", path);
  std::string text;
  char block[16384];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) fatal("Cannot open interface file |%s|.\n", path);
  return text;
}

void loaddescription(const char* path) {
  // Both passes must see the same text, so the file is read only once.
  std::string text = readdescription(path);
  loaddescriptiontext(text.data(), text.size());
}

void loaddescriptiontext(const char* text, std::size_t size) {
  redrawfunction = nullptr;
  reindexcallbacks();
  scanner::start(text, size, false);
  parsedescription(Pass::COUNTING);
  allocatemodel(countedrecords());

  installbuiltincolors();
  scanner::start(text, size, true);
  parsedescription(Pass::FILLING);
}

}  // namespace vx
