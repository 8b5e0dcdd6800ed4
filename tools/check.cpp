// vxtool check: finds every mistake of a description file that its application would
// stop at or show wrongly, then loads it as the application would and lists it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "callbacklist.h"
#include "commands.h"
#include "core/log.h"
#include "diagnostics.h"
#include "layers.h"
#include "lint.h"
#include "model/colors.h"
#include "model/load.h"
#include "model/scanner.h"
#include "printmodel.h"
#include "render/platform/framebuffer.h"
#include "rules.h"
#include "stubs.h"
#include "syntax.h"
#include "tokens.h"
#include "vx.h"

namespace vxtool {

const char CHECKUSAGE[] =
    "usage: vxtool check [--colors 16|256] [--no-bstore] [--werror] [-Wno-NAME]...\n"
    "                    [--callbacks] FILE\n"
    "\n"
    "Finds every mistake in the description FILE that its application would stop at,\n"
    "when loading it, starting up or opening a popup, and what would not work or show as\n"
    "meant; each is printed on standard error as FILE:LINE:COLUMN: error: or warning:,\n"
    "with the line and a caret under the column (at most 20). Then, when there is no\n"
    "error, loads FILE as an application would, every function it names bound to a\n"
    "stub, prints the library's warnings the same way, and lists on standard output the\n"
    "windows with their buttons and graphics, the popups with their items, the fields,\n"
    "messages, functions, colours, aliases and colour lists. The status is 1 when there\n"
    "is an error (or a warning, with --werror).\n"
    "\n"
    "options:\n"
    "  --colors 16|256  the size of the palette the file is loaded into (16 unless told)\n"
    "  --bstore         the application passes BSTORE to VXinterfaceinit, so every\n"
    "                   window's store must be 1 to 5, or 0 (the default)\n"
    "  --no-bstore      it does not\n"
    "  --werror         warnings make the status 1 too\n"
    "  -Wno-NAME        no warnings of that name; -WNAME turns them on again:\n"
    "                     duplicate        a name used twice in one table\n"
    "                     size             zero or negative width or height\n"
    "                     outside          past the screen, or past its window\n"
    "                     label-width      a button label wider than its button\n"
    "                     popup-fit        a popup that does not fit the screen\n"
    "                     library-windows  windows the library's own operations need\n"
    "                     name-length      names and label lines the library cuts\n"
    "                     unclosed-text    a text without its closing bar\n"
    "                     component        a palette component outside 0 to 63\n"
    "  --callbacks      lists the callbacks the application must supply instead of the\n"
    "                   model: form (name, drag, event, plain), name and FILE:LINE of\n"
    "                   every use\n"
    "  -h, --help       print this usage and exit\n";

namespace {

int usage(const std::string& problem) { return misuse("check", problem, CHECKUSAGE); }

// What the library's reports during loading are placed against.
struct Loading {
  const Source* source;
  const std::vector<Token>* tokens;
  const std::vector<Statement>* statements;
  Diagnostics* found;
  std::size_t cursor;  // reports come in file order
};
Loading loading;

// A report of the library's carries the line its scanner was on, which is the line of
// the statement acting; among several there, the one with a value the report names.
Place placereport(const std::string& text, int scannerline) {
  const std::vector<Statement>& all = *loading.statements;
  std::size_t first = all.size();
  for (std::size_t i = loading.cursor; i < all.size(); i++) {
    if (all[i].last->scannerline > scannerline) break;
    if (all[i].last->scannerline < scannerline) continue;
    if (first == all.size()) first = i;
    const Token* named = nullptr;
    for (const Token* v : all[i].values)
      if (!v->text.empty() && text.find("|" + v->text + "|") != std::string::npos) named = v;
    if (named != nullptr) {
      loading.cursor = i;
      return named->at;
    }
  }
  if (first < all.size()) {
    loading.cursor = first;
    return all[first].word->at;
  }
  for (const Token& t : *loading.tokens)
    if (t.scannerline == scannerline) return {t.at.line, 1};
  return {};
}

bool onreport(int level, const char* text) {
  Place at = placereport(text, vx::scanner::linenumber());
  if (level == 0) {
    loading.found->warning(at, oneline(text));
    return false;
  }
  // The tool's own reading found nothing, but the library stops: say so where the
  // library was, and let it end the process with its report.
  loading.found->error(at, oneline(text));
  loading.found->print(stderr, *loading.source);
  std::fflush(stderr);
  return false;
}

void load(const Source& source, const std::vector<Token>& tokens,
          const std::vector<Statement>& statements, int colors, Diagnostics& found) {
  loading = {&source, &tokens, &statements, &found, 0};
  installstubs(source.text());
  vx::connectlayers();
  vx::setcolorcount(colors);
  vx::setreporthook(onreport);
  vx::loaddescriptiontext(source.text().data(), source.text().size());
  vx::setreporthook(nullptr);
}

}  // namespace

int check(int argc, char** argv) {
  Rules rules;
  Diagnostics found;
  bool werror = false, callbacks = false;
  const char* path = nullptr;
  for (int i = 0; i < argc; i++) {
    std::string arg = argv[i];
    if (ishelp(arg)) return help(CHECKUSAGE);
    if (arg == "--colors") {
      if (i + 1 == argc) return usage("--colors needs a value");
      std::string value = argv[++i];
      if (value != "16" && value != "256")
        return usage("--colors takes 16 or 256, not '" + value + "'");
      rules.colors = std::atoi(value.c_str());
    } else if (arg == "--bstore" || arg == "--no-bstore") {
      rules.bstore = arg == "--bstore";
    } else if (arg == "--werror") {
      werror = true;
    } else if (arg == "--callbacks") {
      callbacks = true;
    } else if (arg.starts_with("-W")) {
      bool off = arg.starts_with("-Wno-");
      if (!found.enable(arg.substr(off ? 5 : 2), !off))
        return usage("no warning is named '" + arg.substr(off ? 5 : 2) + "'");
    } else if (path == nullptr && !arg.empty() && arg[0] != '-') {
      path = argv[i];
    } else {
      return usage("unexpected argument '" + arg + "'");
    }
  }
  if (path == nullptr) return usage("no description file given");

  // A file that cannot be read ends the process through the library's own report.
  vx::setfatalpause(0);
  VXopenerrorlog("w");
  Source source(path, vx::readdescription(path));
  vx::platform::opendrawing();
  std::vector<Token> tokens = tokenize(source);
  std::vector<Statement> statements = readstatements(tokens, found);
  checkrules(statements, rules, found);
  std::vector<Callback> needed = collectcallbacks(statements, found);
  lint(statements, found);
  // The library's loader has the last word, and its warnings are shown too.
  if (found.errors() == 0) load(source, tokens, statements, rules.colors, found);
  found.print(stderr, source);
  if (found.errors() == 0) {
    if (callbacks)
      printcallbacks(stdout, needed, source.path());
    else
      printmodel(stdout);
  }
  vx::platform::closedrawing();
  if (found.errors() > 0) return 1;
  if (werror && found.warnings() > 0) {
    std::fprintf(stderr, "vxtool check: the warnings count as errors (--werror)\n");
    return 1;
  }
  return 0;
}

}  // namespace vxtool
