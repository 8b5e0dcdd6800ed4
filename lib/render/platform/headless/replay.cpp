// Reading replay scripts, and the steps each line plays.
#include "render/platform/headless/replay.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include "core/files.h"
#include "core/log.h"
#include "vx.h"

namespace vx::platform {

namespace {

using Action = ScriptLine::Action;

struct KeyName {
  const char* name;
  unsigned code;
};

// Names a script may use for keys that have no printable character.
constexpr KeyName KEYNAMES[] = {
    {"Return", 13},        {"Escape", 27},  {"Backspace", 8},    {"Delete", 8}, {"Left", ARROWLEFT},
    {"Right", ARROWRIGHT}, {"Up", ARROWUP}, {"Down", ARROWDOWN}, {"Space", 32}, {"Tab", 9},
};

struct ActionName {
  const char* name;
  Action action;
};

constexpr ActionName ACTIONS[] = {
    {"move", Action::move},       {"press", Action::press},
    {"release", Action::release}, {"click", Action::click},
    {"drag", Action::drag},       {"key", Action::key},
    {"type", Action::type},       {"wait", Action::wait},
    {"expose", Action::expose},   {"screenshot", Action::screenshot},
    {"quit", Action::quit},
};

constexpr long MAXSTEPS = 10000;

// One line being read, for its error messages.
struct Line {
  const char* file;
  int number;
  const std::string& text;

  [[noreturn]] void fail(const char* what) const {
    toolkitfatal("%s:%d: %s: |%.200s|\n", file, number, what, text.c_str());
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

// Checks one action line and keeps what its steps need.
ScriptLine parse(const Line& line, const std::string& action, const std::vector<std::string>& args,
                 const std::string& rest) {
  ScriptLine parsed;
  parsed.number = line.number;
  const ActionName* known = nullptr;
  for (const ActionName& a : ACTIONS)
    if (action == a.name) known = &a;
  if (known == nullptr) line.fail("unknown action");
  parsed.action = known->action;

  auto expect = [&](std::size_t count) {
    if (args.size() != count) line.fail("wrong number of values");
  };
  auto coordinates = [&](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
      parsed.values[i] =
          static_cast<int>(number(line, args[i], INT16_MIN, INT16_MAX, "bad coordinate"));
  };
  switch (parsed.action) {
    case Action::move:
    case Action::press:
    case Action::release:
    case Action::click:
      expect(2);
      coordinates(2);
      break;
    case Action::drag:
      if (args.size() != 4 && args.size() != 5) line.fail("wrong number of values");
      coordinates(4);
      parsed.values[4] =
          args.size() == 5 ? static_cast<int>(number(line, args[4], 1, MAXSTEPS, "bad step count"))
                           : 10;
      break;
    case Action::key:
      expect(1);
      parsed.values[0] = static_cast<int>(keycode(line, args[0]));
      break;
    case Action::type:
      if (rest.empty()) line.fail("nothing to type");
      parsed.text = rest;
      break;
    case Action::wait:
      expect(1);
      parsed.values[0] = static_cast<int>(number(line, args[0], 0, MAXWAIT, "bad time") / 10);
      break;
    case Action::screenshot:
      if (rest.empty()) line.fail("screenshot needs a file name");
      parsed.text = rest;
      break;
    case Action::expose:
    case Action::quit: expect(0); break;
  }
  return parsed;
}

// The next line of the file without its line end; false at the end of the file. A line
// that holds a NUL byte, and a file that cannot be read, are fatal.
bool nextline(std::FILE* in, const char* path, int number, std::string* text) {
  text->clear();
  errno = 0;
  int c;
  while ((c = std::getc(in)) != EOF) {
    text->push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (c == EOF && std::ferror(in) != 0) {
    int reason = errno;
    toolkitfatal("%s:%d: Couldn't read the replay script: %s\n", path, number,
                 std::strerror(reason != 0 ? reason : EIO));
  }
  if (c == EOF && text->empty()) return false;
  if (!text->empty() && text->back() == '\n') text->pop_back();
  if (!text->empty() && text->back() == '\r') text->pop_back();
  if (text->find('\0') != std::string::npos) Line{path, number, *text}.fail("NUL byte");
  return true;
}

}  // namespace

std::vector<ScriptLine> readscript(const char* path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path, "r"), std::fclose);
  if (in == nullptr)
    toolkitfatal("Couldn't open the replay script |%.200s|: %s\n", path,
                 std::strerror(openerror(path)));
  return readscript(in.get(), path);
}

std::vector<ScriptLine> readscript(std::FILE* in, const char* path) {
  std::vector<ScriptLine> script;
  std::string text;
  for (int number = 1; nextline(in, path, number, &text); ++number) {
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

bool scriptstep(const ScriptLine& line, long index, const char* file, Step* step) {
  *step = Step{};
  auto message = [&](MessageKind kind, int x = 0, int y = 0, unsigned key = 0) {
    step->message.kind = kind;
    step->message.x = x;
    step->message.y = y;
    step->message.key = static_cast<std::uint8_t>(key);
    return true;
  };
  // Every action but a wait, a screenshot and a quit is followed by one tick, as a real
  // session always has time passing between two things the user does.
  auto tick = [&] {
    step->kind = Step::Kind::tick;
    step->count = 1;
    return true;
  };
  const int* v = line.values;
  switch (line.action) {
    case Action::move:
    case Action::press:
    case Action::release: {
      MessageKind kind = line.action == Action::move    ? MessageKind::move
                         : line.action == Action::press ? MessageKind::press
                                                        : MessageKind::release;
      return index == 0 ? message(kind, v[0], v[1]) : index == 1 && tick();
    }
    case Action::click:
      if (index == 0) return message(MessageKind::press, v[0], v[1]);
      if (index == 1) return message(MessageKind::release, v[0], v[1]);
      return index == 2 && tick();
    case Action::drag: {
      long count = v[4];
      if (index == 0) return message(MessageKind::press, v[0], v[1]);
      if (index <= count)
        return message(MessageKind::move,
                       static_cast<int>(v[0] + (long{v[2]} - v[0]) * index / count),
                       static_cast<int>(v[1] + (long{v[3]} - v[1]) * index / count));
      if (index == count + 1) return message(MessageKind::release, v[2], v[3]);
      return index == count + 2 && tick();
    }
    case Action::key:
      return index == 0 ? message(MessageKind::key, 0, 0, static_cast<unsigned>(v[0]))
                        : index == 1 && tick();
    case Action::type: {
      auto length = static_cast<long>(line.text.size());
      if (index < length)
        return message(MessageKind::key, 0, 0,
                       static_cast<unsigned char>(line.text[static_cast<std::size_t>(index)]));
      return index == length && tick();
    }
    case Action::wait:
      if (index != 0 || v[0] == 0) return false;
      tick();
      step->count = v[0];
      return true;
    case Action::expose: return index == 0 ? message(MessageKind::paint) : index == 1 && tick();
    case Action::screenshot:
      if (index != 0) return false;
      step->kind = Step::Kind::screenshot;
      step->path = line.text;
      step->where = std::string(file) + ":" + std::to_string(line.number);
      return true;
    case Action::quit: return index == 0 && message(MessageKind::quit);
  }
  return false;
}

std::string keyname(unsigned code) {
  if (code > 32 && code < 127) return std::string(1, static_cast<char>(code));
  for (const KeyName& k : KEYNAMES)
    if (k.code == code) return k.name;
  if (code >= 1 && code <= 26) return std::string("ctrl-") + static_cast<char>('a' + code - 1);
  return "";
}

}  // namespace vx::platform
