// The callbacks a description file asks of its application's table, and where.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "syntax.h"
#include "vx.h"

namespace vxtool {

struct Callback {
  std::string name;  // the table row's name, as first written (without a skipped "@")
  VXform form;       // VXFORM_NAME, VXFORM_DRAG, VXFORM_EVENT or VXFORM_PLAIN
  std::vector<Place> uses;
  bool perevent;  // an event callback that a function statement calls after every event
  bool redraw;    // the plain callback of redrawfunc
};

// Every row the table needs, in the order of first use. A row serves one form, so a
// name used in two roles is an error, in the library's words.
std::vector<Callback> collectcallbacks(const std::vector<Statement>& statements,
                                       Diagnostics& found);

// "name", "drag", "event" or "plain".
const char* formword(VXform form);

// One line a callback: its form, its name and the places that use it.
void printcallbacks(std::FILE* out, const std::vector<Callback>& callbacks,
                    const std::string& path);

}  // namespace vxtool
