// Replay scripts: plain text, one action a line, read into steps for the headless
// back-end's queue. The format is described in docs/replay.md.
#pragma once

#include <string>
#include <vector>

#include "render/platform/backend.h"

namespace vx::platform {

struct Step {
  enum class Kind { message, tick, screenshot };
  Kind kind = Kind::message;
  Message message;    // Kind::message
  long count = 1;     // Kind::tick: how many ticks
  std::string path;   // Kind::screenshot
  std::string where;  // Kind::screenshot: "FILE:LINE", for its failure message
};

// The steps of one script line.
using ScriptLine = std::vector<Step>;

// Reads and checks the whole script before anything runs; a line that cannot be read
// is fatal with "FILE:LINE: what: |the line|".
std::vector<ScriptLine> readscript(const char* path);

// The text of a key for a script's key line ("a", "Return", "ctrl-q"), or "" when the
// code has none.
std::string keyname(unsigned code);

}  // namespace vx::platform
