// Replay scripts: plain text, one action a line, checked whole when the window opens and
// played a step at a time. The format is described in docs/replay.md.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "render/platform/backend.h"

namespace vx::platform {

// What the headless back-end hands out next: a message, timer ticks, or a screenshot.
struct Step {
  enum class Kind { message, tick, screenshot };
  Kind kind = Kind::message;
  Message message;    // Kind::message
  long count = 1;     // Kind::tick: how many ticks
  std::string path;   // Kind::screenshot
  std::string where;  // Kind::screenshot: "FILE:LINE", for its failure message
};

// One checked line of a script, kept as read: a drag of 10000 steps costs no more than
// a click until it is played.
struct ScriptLine {
  enum class Action : std::uint8_t {
    move,
    press,
    release,
    click,
    drag,
    key,
    type,
    wait,
    expose,
    screenshot,
    quit
  };
  Action action = Action::quit;
  int values[5] = {};  // coordinates and steps, the key code, or the ticks of a wait
  std::string text;    // type: the characters; screenshot: the file
  int number = 0;      // the line's number in its file
};

// The longest wait one line may hold: an hour, in milliseconds. Longer waits take
// several lines.
constexpr long MAXWAIT = 3600000;

// Reads and checks the whole script before anything runs; a line that cannot be read
// is fatal with "FILE:LINE: what: |the line|", and so is a script that cannot be read.
std::vector<ScriptLine> readscript(const char* path);

// The same from an open stream, which stays open; `path` names it in messages.
std::vector<ScriptLine> readscript(std::FILE* in, const char* path);

// Step `index` of a line (0 first), the tick that follows every action but a wait, a
// screenshot and a quit included; false past its last step. `file` names the script in
// a screenshot's failure message.
bool scriptstep(const ScriptLine& line, long index, const char* file, Step* step);

// The text of a key for a script's key line ("a", "Return", "ctrl-q"), or "" when the
// code has none.
std::string keyname(unsigned code);

}  // namespace vx::platform
