// The callbacks a description file asks of its application's table, and where.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "model/getname.h"
#include "model/load.h"
#include "vx.h"

namespace vxtool {

struct Callback {
  std::string name;  // the table row's name, as first written (without a skipped "@")
  VXform form;       // VXFORM_NAME, VXFORM_DRAG, VXFORM_EVENT or VXFORM_PLAIN
  std::vector<Place> uses;
  bool perevent;  // an event callback that a function statement calls after every event
  bool redraw;    // the plain callback of redrawfunc
};

// Every row the table needs, in the order of first use, from the statements as they are
// read; where the language puts a function, and in which form, is the library's. The
// statements' text must outlive the list.
class CallbackList {
 public:
  void add(const vx::ReadStatement& statement);
  const std::vector<Callback>& all() const { return callbacks_; }
  // The callback of a name, or null.
  const Callback* find(std::string_view name) const;
  // One line a callback: its form, its name and the places that use it.
  void print(std::FILE* out, const std::string& path) const;

 private:
  std::vector<Callback> callbacks_;
  // By name as the library compares them; the names are the file's own characters.
  vx::NameIndex rows_;
};

// "name", "drag", "event" or "plain".
const char* formword(VXform form);

}  // namespace vxtool
