// One command-line text from main's arguments, as the platform layer reads it.
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

}  // namespace

extern "C" const char* VXcommandline(int argc, char** argv) {
  // The text lives until the next call; applications pass it straight on.
  static std::string text;
  text.clear();
  for (int i = 1; i < argc && argv != nullptr; ++i) {
    if (argv[i] == nullptr) continue;
    if (!text.empty()) text += ' ';
    append(text, argv[i]);
  }
  return text.c_str();
}
