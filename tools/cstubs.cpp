// vxtool stubs: writes the C file an application starts from, with a typed stub for
// every callback its description names and the table that hands them to the library.
#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "callbacklist.h"
#include "commands.h"
#include "core/log.h"
#include "diagnostics.h"
#include "layers.h"
#include "model/load.h"
#include "reading.h"
#include "render/platform/framebuffer.h"
#include "stubs.h"
#include "vx.h"

namespace vxtool {

const char STUBSUSAGE[] =
    "usage: vxtool stubs FILE\n"
    "\n"
    "Writes on standard output a C file with a stub for every callback that the\n"
    "description FILE names, typed for its form (name, drag, event or plain), and the\n"
    "callback table `functiontable` of `functioncount` rows, built with the VX...ENTRY\n"
    "macros, for VXsetfunctiontable:\n"
    "\n"
    "  vxtool stubs my.inf > callbacks.c\n"
    "\n"
    "A file whose statements cannot be read, or that uses one name for callbacks of two\n"
    "forms, prints why on standard error and the status is 1.\n"
    "\n"
    "options:\n"
    "  -h, --help  print this usage and exit\n";

namespace {

// A C comment may hold anything but its own end.
std::string commentsafe(std::string text) {
  for (std::size_t at; (at = text.find("*/")) != std::string::npos;) text.replace(at, 2, "* /");
  return text;
}

// "on_" and the row's name: no C keyword, no name of vx.h or the C library. A leading
// "@" becomes "_", which no row's name can start with.
std::string identifier(const std::string& name) {
  // Built by appending: GCC 12 at -O3 warns falsely about a literal put in front of a
  // temporary string.
  std::string id = "on_";
  if (name[0] == '@') id += '_';
  return id.append(name, name[0] == '@' ? 1 : 0);
}

// A C comment of the text, lines broken at blanks to stay within 80 columns.
std::string comment(const std::string& text) {
  constexpr std::size_t WIDTH = 80;
  std::string out = "/*", line;
  auto flush = [&] {
    out += line + "\n *";
    line.clear();
  };
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find_first_of(" \n", from);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(from, end - from);
    if (!line.empty() && line.size() + 1 + word.size() + 3 > WIDTH) flush();
    line += " " + word;
    if (end < text.size() && text[end] == '\n') flush();
    from = end + 1;
  }
  return out + line + " */";
}

const char* about(const Callback& c) {
  switch (c.form) {
    case VXFORM_NAME: return "Called with the name of the button or popup item.";
    case VXFORM_DRAG:
      return "Called with the pointer relative to the drag area's corner and a drag code, "
             "DRAGBEGIN, DRAGMOTION, DRAGEND, DRAGINSIDE, DRAGCLICK or DRAGLEAVE; the name "
             "is the area's for DRAGEND and DRAGCLICK, and null for the others.";
    case VXFORM_EVENT:
      return c.perevent ? "Called after every event with the pointer's position and 0."
                        : "Called after every event (x, y, 0) once VXactivatefunction turns it "
                          "on, or with a key code as the keyboard handler "
                          "(VXsetkeyboardhandler).";
    case VXFORM_PLAIN:
      return c.redraw ? "Repaints the screen in place of the library; VXredrawall is what "
                        "the library would do."
                      : "Called when its popup closes without a choice.";
    case VXFORM_GENERIC: break;
  }
  return "";
}

const char* signature(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "const char* name";
    case VXFORM_DRAG: return "int x, int y, int code, const char* name";
    case VXFORM_EVENT: return "int x, int y, int arg";
    default: return "void";
  }
}

const char* unused(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "  (void)name;\n";
    case VXFORM_DRAG: return "  (void)x;\n  (void)y;\n  (void)code;\n  (void)name;\n";
    case VXFORM_EVENT: return "  (void)x;\n  (void)y;\n  (void)arg;\n";
    default: return "";
  }
}

const char* macro(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "VXNAMEENTRY";
    case VXFORM_DRAG: return "VXDRAGENTRY";
    case VXFORM_EVENT: return "VXEVENTENTRY";
    default: return "VXPLAINENTRY";
  }
}

void writestubs(std::FILE* out, const std::vector<Callback>& callbacks, const std::string& path) {
  std::string file = commentsafe(path);
  std::fprintf(out,
               "/* The callbacks of %s, written by vxtool stubs: fill them in.\n"
               " *\n"
               " * Hand the table to the library before bringing the interface up:\n"
               " *   extern const FunctionEntry functiontable[];\n"
               " *   extern const int functioncount;\n"
               " *   VXsetfunctiontable(functiontable, functioncount);\n"
               " */\n"
               "#include \"vx.h\"\n",
               file.c_str());
  for (const Callback& c : callbacks) {
    std::string uses = file + (c.uses.size() == 1 ? ": line" : ": lines");
    for (std::size_t i = 0; i < c.uses.size(); i++)
      uses += (i == 0                   ? " "
               : i + 1 == c.uses.size() ? " and "
                                        : ", ") +
              std::to_string(c.uses[i].line);
    std::fprintf(out, "\n%s\nstatic int %s(%s) {\n%s  return 0;\n}\n",
                 comment(std::string(about(c)) + "\n" + uses + ".").c_str(),
                 identifier(c.name).c_str(), signature(c.form), unused(c.form));
  }
  std::fprintf(out, "\nconst FunctionEntry functiontable[] = {\n");
  for (const Callback& c : callbacks)
    std::fprintf(out, "    %s(\"%s\", %s),\n", macro(c.form), c.name.c_str(),
                 identifier(c.name).c_str());
  // C has no empty arrays.
  if (callbacks.empty()) std::fprintf(out, "    VXNAMEENTRY(0, 0), /* the file names none */\n");
  std::fprintf(out, "};\nconst int functioncount = %zu;\n", callbacks.size());
}

}  // namespace

int stubs(int argc, char** argv) {
  std::vector<const char*> files;
  if (auto done = Arguments("stubs", STUBSUSAGE)
                      .operands(files, 1, 1, "no description file given")
                      .parse(argc, argv))
    return *done;

  vx::setfatalpause(0);
  Source source(files[0], vx::readdescription(files[0]));
  vx::platform::opendrawing();
  vx::connectlayers();
  installtypedstubs();
  Diagnostics found;
  Reading reading(found, Reading::Keep::STUBS);
  vx::loaddescriptiontext(source.text().data(), source.text().size(), reading, files[0]);
  vx::platform::closedrawing();
  if (found.errors() > 0) {
    found.print(stderr, source);
    return 1;
  }
  writestubs(stdout, reading.callbacks().all(), source.path());
  return 0;
}

}  // namespace vxtool
