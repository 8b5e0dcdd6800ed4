// The callbacks a description file asks of its application's table.
#include "callbacklist.h"

#include <algorithm>

#include "model/language.h"

namespace vxtool {

const char* formword(VXform form) {
  switch (form) {
    case VXFORM_NAME: return "name";
    case VXFORM_DRAG: return "drag";
    case VXFORM_EVENT: return "event";
    case VXFORM_PLAIN: return "plain";
    case VXFORM_GENERIC: break;
  }
  return "generic";
}

void CallbackList::add(const vx::ReadStatement& s) {
  if (s.form < 0) return;
  const char* kinds = s.grammar->forms[s.form].kinds;
  for (int k = 0; k < s.count; k++) {
    char kind = kinds[k];
    if (!vx::isfunction(kind)) continue;
    const vx::ReadValue& v = s.values[k];
    // The look-up skips a leading "@", but for the redraw function.
    bool redraw = kind == vx::kind::REDRAWFUNC;
    std::string_view name = !redraw && v.text.starts_with('@') ? v.text.substr(1) : v.text;
    bool perevent = kind == vx::kind::EVENTFUNC && s.values[2].number != 0;
    int row = rows_.insert(name, static_cast<int>(callbacks_.size()));
    if (row == static_cast<int>(callbacks_.size())) {
      callbacks_.push_back({std::string(name), vx::callbackform(kind), {v.at}, perevent, redraw});
      continue;
    }
    // A second form is the loader's to report; the list keeps the first.
    Callback& known = callbacks_[static_cast<std::size_t>(row)];
    if (known.form != vx::callbackform(kind)) continue;
    known.uses.push_back(v.at);
    known.perevent = known.perevent || perevent;
    known.redraw = known.redraw || redraw;
  }
}

const Callback* CallbackList::find(std::string_view name) const {
  int row = rows_.find(name);
  return row < 0 ? nullptr : &callbacks_[static_cast<std::size_t>(row)];
}

void CallbackList::print(std::FILE* out, const std::string& path) const {
  int width = 0;
  for (const Callback& c : callbacks_) width = std::max(width, static_cast<int>(c.name.size()));
  for (const Callback& c : callbacks_) {
    std::fprintf(out, "%-5s  %-*s ", formword(c.form), width, c.name.c_str());
    for (const Place& at : c.uses) std::fprintf(out, " %s:%d", path.c_str(), at.line);
    std::fputc('\n', out);
  }
}

}  // namespace vxtool
