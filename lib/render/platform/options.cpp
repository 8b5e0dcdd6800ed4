// The toolkit options: --vx-backend, --vx-scale, --vx-replay, --vx-record, --vx-screenshot.
#include "render/platform/options.h"

#include <cctype>
#include <cstring>

#include "core/log.h"
#include "render/platform/backend.h"

namespace vx::platform {

Options options;

std::vector<std::string> splitcommandline(const char* commandline) {
  std::vector<std::string> words;
  if (commandline == nullptr) return words;
  const char* p = commandline;
  for (;;) {
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
    if (*p == '\0') break;
    std::string word;
    bool quoted = false;
    while (*p != '\0' && (quoted || !std::isspace(static_cast<unsigned char>(*p)))) {
      // Backslashes count only before a quote: 2n of them and a quote are n backslashes
      // and the quote's grouping, 2n + 1 are n backslashes and a quote in the word.
      std::size_t backslashes = 0;
      while (p[backslashes] == '\\') ++backslashes;
      if (p[backslashes] == '"') {
        word.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1)
          word += '"';
        else
          quoted = !quoted;
        p += backslashes + 1;
      } else if (backslashes > 0) {
        word.append(backslashes, '\\');
        p += backslashes;
      } else {
        word += *p++;
      }
    }
    words.push_back(word);
  }
  return words;
}

namespace {

constexpr const char* PREFIX = "--vx-";

// The value after "name=", or null when the word is not that option.
const char* valueof(const std::string& word, const char* name) {
  std::string head = std::string(PREFIX) + name + "=";
  if (word.compare(0, head.size(), head) != 0) return nullptr;
  return word.c_str() + head.size();
}

// The back-ends' names as a sentence: "a, b or c".
std::string backendnames() {
  std::string names;
  for (std::size_t i = 0; i < backends.size(); ++i) {
    if (i > 0) names += i + 1 == backends.size() ? " or " : ", ";
    names += backends[i].name;
  }
  return names;
}

std::string needpath(const std::string& word, const char* value) {
  if (*value == '\0') toolkitfatal("Toolkit option %.200s needs a file name\n", word.c_str());
  return value;
}

}  // namespace

Options parseoptions(const char* commandline) {
  Options parsed;
  for (const std::string& word : splitcommandline(commandline)) {
    if (word.compare(0, std::strlen(PREFIX), PREFIX) != 0) continue;
    if (const char* v = valueof(word, "backend")) {
      if (findbackend(v) == nullptr)
        toolkitfatal("Toolkit option %.200s: the back-end is %s\n", word.c_str(),
                     backendnames().c_str());
      parsed.backend = v;
    } else if (const char* v = valueof(word, "scale")) {
      if (std::strcmp(v, "auto") == 0)
        parsed.scale = AUTOSCALE;
      else if (std::strlen(v) != 1 || *v < '1' || *v > '8')
        toolkitfatal("Toolkit option %.200s: the scale is a whole number from 1 to 8, or auto\n",
                     word.c_str());
      else
        parsed.scale = *v - '0';
    } else if (const char* v = valueof(word, "replay")) {
      parsed.replay = needpath(word, v);
    } else if (const char* v = valueof(word, "record")) {
      parsed.record = needpath(word, v);
    } else if (const char* v = valueof(word, "screenshot")) {
      parsed.screenshot = needpath(word, v);
    } else {
      toolkitfatal("Unknown toolkit option %.200s\n", word.c_str());
    }
  }
  if (!parsed.replay.empty()) {
    // A replay feeds the headless back-end's queue; a real window has its own input.
    if (!parsed.backend.empty() && parsed.backend != "headless")
      toolkitfatal("Toolkit option --vx-replay needs --vx-backend=headless\n");
    parsed.backend = "headless";
  }
  return parsed;
}

}  // namespace vx::platform
