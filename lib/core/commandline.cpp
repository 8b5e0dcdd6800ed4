// One command-line text from main's arguments, as the platform layer reads it.
#include <cstring>
#include <string>

#include "vx.h"

extern "C" const char* VXcommandline(int argc, char** argv) {
  // The text lives until the next call; applications pass it straight on.
  static std::string text;
  text.clear();
  for (int i = 1; i < argc && argv != nullptr; ++i) {
    if (argv[i] == nullptr) continue;
    if (!text.empty()) text += ' ';
    bool blank = *argv[i] == '\0' || std::strpbrk(argv[i], " \t\n\r\v\f") != nullptr;
    if (blank) text += '"';
    text += argv[i];
    if (blank) text += '"';
  }
  return text.c_str();
}
