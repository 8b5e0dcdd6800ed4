// Reading replay scripts.
#include "render/platform/replay.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/log.h"
#include "vx.h"

namespace vx::platform {

namespace {

struct KeyName {
  const char* name;
  unsigned code;
};

// Names a script may use for keys that have no printable character.
constexpr KeyName KEYNAMES[] = {
    {"Return", 13},        {"Escape", 27},  {"Backspace", 8},    {"Delete", 8}, {"Left", ARROWLEFT},
    {"Right", ARROWRIGHT}, {"Up", ARROWUP}, {"Down", ARROWDOWN}, {"Space", 32}, {"Tab", 9},
};

constexpr long MAXWAIT = 3600000;  // an hour of virtual time
constexpr long MAXSTEPS = 10000;

// One line being read, for its error messages.
struct Line {
  const char* file;
  int number;
  const std::string& text;

  [[noreturn]] void fail(const char* what) const {
    fatal("%s:%d: %s: |%.200s|\n", file, number, what, text.c_str());
  }
};

std::string trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

long number(const Line& line, const std::string& word, long low, long high, const char* what) {
  errno = 0;
  char* end = nullptr;
  long value = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || errno != 0 || value < low || value > high) line.fail(what);
  return value;
}

Step message(MessageKind kind, int x, int y, unsigned key = 0) {
  Step step;
  step.message.kind = kind;
  step.message.x = x;
  step.message.y = y;
  step.message.key = static_cast<std::uint8_t>(key);
  return step;
}

Step ticks(long count) {
  Step step;
  step.kind = Step::Kind::tick;
  step.count = count;
  return step;
}

unsigned keycode(const Line& line, const std::string& word) {
  if (word.size() == 1 && std::isgraph(static_cast<unsigned char>(word[0])))
    return static_cast<unsigned char>(word[0]);
  for (const KeyName& k : KEYNAMES)
    if (word == k.name) return k.code;
  if (word.size() == 6 && word.compare(0, 5, "ctrl-") == 0 &&
      std::isalpha(static_cast<unsigned char>(word[5])))
    return static_cast<unsigned>(std::tolower(static_cast<unsigned char>(word[5])) - 'a' + 1);
  line.fail("unknown key");
}

// The steps of one action line, without the tick that follows every action.
ScriptLine parse(const Line& line, const std::string& action, const std::vector<std::string>& args,
                 const std::string& rest) {
  auto expect = [&](std::size_t count) {
    if (args.size() != count) line.fail("wrong number of values");
  };
  auto coordinate = [&](std::size_t i) {
    return static_cast<int>(number(line, args[i], INT16_MIN, INT16_MAX, "bad coordinate"));
  };
  ScriptLine steps;
  if (action == "move" || action == "press" || action == "release" || action == "click") {
    expect(2);
    int x = coordinate(0), y = coordinate(1);
    if (action == "move") steps.push_back(message(MessageKind::move, x, y));
    if (action == "press" || action == "click") steps.push_back(message(MessageKind::press, x, y));
    if (action == "release" || action == "click")
      steps.push_back(message(MessageKind::release, x, y));
  } else if (action == "drag") {
    if (args.size() != 4 && args.size() != 5) line.fail("wrong number of values");
    int x1 = coordinate(0), y1 = coordinate(1), x2 = coordinate(2), y2 = coordinate(3);
    long count = args.size() == 5 ? number(line, args[4], 1, MAXSTEPS, "bad step count") : 10;
    steps.push_back(message(MessageKind::press, x1, y1));
    for (long i = 1; i <= count; ++i)
      steps.push_back(message(MessageKind::move, static_cast<int>(x1 + (x2 - x1) * i / count),
                              static_cast<int>(y1 + (y2 - y1) * i / count)));
    steps.push_back(message(MessageKind::release, x2, y2));
  } else if (action == "key") {
    expect(1);
    steps.push_back(message(MessageKind::key, 0, 0, keycode(line, args[0])));
  } else if (action == "type") {
    if (rest.empty()) line.fail("nothing to type");
    for (char c : rest)
      steps.push_back(message(MessageKind::key, 0, 0, static_cast<unsigned char>(c)));
  } else if (action == "wait") {
    expect(1);
    long ms = number(line, args[0], 0, MAXWAIT, "bad time");
    if (ms / 10 > 0) steps.push_back(ticks(ms / 10));
  } else if (action == "expose") {
    expect(0);
    steps.push_back(message(MessageKind::paint, 0, 0));
  } else if (action == "screenshot") {
    if (rest.empty()) line.fail("screenshot needs a file name");
    Step step;
    step.kind = Step::Kind::screenshot;
    step.path = rest;
    step.where = std::string(line.file) + ":" + std::to_string(line.number);
    steps.push_back(step);
  } else if (action == "quit") {
    expect(0);
    steps.push_back(message(MessageKind::quit, 0, 0));
  } else {
    line.fail("unknown action");
  }
  // Every action but a wait and a screenshot is followed by one tick, as a real
  // session always has time passing between two things the user does.
  if (action != "wait" && action != "screenshot" && action != "quit") steps.push_back(ticks(1));
  return steps;
}

}  // namespace

std::vector<ScriptLine> readscript(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) fatal("Couldn't open the replay script |%.200s|\n", path);
  std::vector<ScriptLine> script;
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    Line line{path, number, text};
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos || text[start] == '#') continue;
    std::size_t end = text.find_first_of(" \t", start);
    std::string action = text.substr(start, end == std::string::npos ? end : end - start);
    // The text after the action and one blank, kept as written (type, screenshot).
    std::string rest = end == std::string::npos ? "" : text.substr(end + 1);
    if (action != "type") rest = trim(rest);
    std::vector<std::string> args;
    std::istringstream words(end == std::string::npos ? "" : text.substr(end));
    for (std::string w; words >> w;) args.push_back(w);
    script.push_back(parse(line, action, args, rest));
  }
  return script;
}

std::string keyname(unsigned code) {
  if (code > 32 && code < 127) return std::string(1, static_cast<char>(code));
  for (const KeyName& k : KEYNAMES)
    if (k.code == code) return k.name;
  if (code >= 1 && code <= 26) return std::string("ctrl-") + static_cast<char>('a' + code - 1);
  return "";
}

}  // namespace vx::platform
