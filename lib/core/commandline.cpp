// One command-line text from main's arguments, as the platform layer reads it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#endif

#include <cstring>
#include <string>

#include "vx.h"

namespace {

// The argument as one word of the text: quoted when it is empty or holds blanks or
// quotes, with quotes and the backslashes before them escaped, so that the platform
// layer's reader gets back exactly the argument.
void append(std::string& text, const char* argument) {
  bool plain = *argument != '\0' && std::strpbrk(argument, " \t\n\r\v\f\"") == nullptr;
  if (plain) {
    text += argument;
    return;
  }
  text += '"';
  for (const char* p = argument;; ++p) {
    std::size_t backslashes = 0;
    while (*p == '\\') {
      ++backslashes;
      ++p;
    }
    if (*p == '\0') {
      // Doubled before the closing quote, which must stay a quote.
      text.append(backslashes * 2, '\\');
      break;
    }
    if (*p == '"') {
      text.append(backslashes * 2 + 1, '\\');
    } else {
      text.append(backslashes, '\\');
    }
    text += *p;
  }
  text += '"';
}

#ifdef _WIN32
// Windows hands a program one text, which the runtime split into main's arguments. When
// the arguments are those (or none are given), the text itself is taken, after the
// program's name: the platform layer reads its quotes and backslashes as the runtime did.
// The program's name ends at its closing quote, or else at the first blank.
const char* owncommandline(int argc, char** argv) {
  if (argv != nullptr) {
    if (argc != __argc || __argv == nullptr) return nullptr;
    for (int i = 0; i < argc; ++i)
      if (argv[i] == nullptr || __argv[i] == nullptr || std::strcmp(argv[i], __argv[i]) != 0)
        return nullptr;
  }
  const char* p = GetCommandLineA();
  if (*p == '"') {
    p = std::strchr(p + 1, '"');
    p = p == nullptr ? "" : p + 1;
  } else {
    while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}
#endif

}  // namespace

extern "C" const char* VXcommandline(int argc, char** argv) {
  // The text lives until the next call; applications pass it straight on.
  static std::string text;
  text.clear();
#ifdef _WIN32
  if (const char* own = owncommandline(argc, argv)) {
    text = own;
    return text.c_str();
  }
#endif
  for (int i = 1; i < argc && argv != nullptr; ++i) {
    if (argv[i] == nullptr) continue;
    if (!text.empty()) text += ' ';
    append(text, argv[i]);
  }
  return text.c_str();
}
