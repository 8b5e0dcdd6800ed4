// Saving and loading the changeable state of the interface: the levels and states of
// windows, buttons, popups and items, and the items' check marks, as 4-byte integers in
// table order. The file is little-endian on every host, so it moves between machines.
#include <cstdint>
#include <cstdio>

#include "model/model.h"
#include "vx.h"

using namespace vx;

namespace {

bool writevalue(std::FILE* stream, int value) {
  auto v = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                  static_cast<unsigned char>(v >> 16),
                                  static_cast<unsigned char>(v >> 24)};
  return stream != nullptr && std::fwrite(bytes, 1, 4, stream) == 4;
}

bool readvalue(std::FILE* stream, int* value) {
  unsigned char bytes[4];
  if (stream == nullptr || std::fread(bytes, 1, 4, stream) != 4) return false;
  *value = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
      static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
  return true;
}

enum class Value { window, button, popup, item, check };

// The second half of a report: which value.
void fieldreport(Value value, int a, int b) {
  switch (value) {
    case Value::window: VXerror(0, "Win[%d].active\n", a); break;
    case Value::button: VXerror(0, "Win[%d].wb[%d].active\n", a, b); break;
    case Value::popup: VXerror(0, "Popups[%d].active \n", a); break;
    case Value::item: VXerror(0, "Popups[%d].item[%d].active\n", a, b); break;
    case Value::check: VXerror(0, "Popups[%d].item[%d].checked\n", a, b); break;
  }
}

// Every value of the file in order, with its field, the range a loaded value must lie
// in, and which value it is; `visit` is called for each.
template <class Visit>
void eachvalue(Visit visit) {
  // A window's level: not shown, or up to as many levels as modal windows and popups
  // could raise.
  int levels = model.nwindows + model.npopups;
  for (int w = 0; w < model.nwindows; w++) {
    Window& win = model.Win[w];
    visit(win.active, 0, levels, Value::window, w, 0);
    for (int b = 0; b < win.nbuttons; b++)
      visit(win.wb[b].active, BUTTON_SUSPENDED, BUTTON_ACTIVE, Value::button, w, b);
  }
  for (int p = 0; p < model.npopups; p++) {
    Popup& popup = model.Popups[p];
    visit(popup.active, 0, 1, Value::popup, p, 0);
    for (int i = 0; i < popup.nitems; i++) {
      visit(popup.item[i].active, -1, 1, Value::item, p, i);
      visit(popup.item[i].checked, 0, 1, Value::check, p, i);
    }
  }
}

}  // namespace

void VXsavestate(FILE* stream) {
  auto report = [](Value which, int a, int b) {
    // A window's own value is reported in one piece, with two blanks.
    if (which == Value::window) {
      VXerror(0, "Error while saving state of program.  Win[%d].active\n", a);
      return;
    }
    VXerror(0, "Error while saving state of program.");
    fieldreport(which, a, b);
  };
  struct {
    Value which;
    int a, b;
    bool failed;
  } last{Value::window, 0, 0, true};
  eachvalue([&](int& field, int, int, Value which, int a, int b) {
    last = {which, a, b, !writevalue(stream, field)};
    if (last.failed) report(which, a, b);
  });
  // Values still in the stream's buffer are not saved yet: a device that is full says
  // so only here, and the report names the last value, which did not reach it.
  if (stream != nullptr && !last.failed && std::fflush(stream) != 0)
    report(last.which, last.a, last.b);
}

int VXloadstate(FILE* stream) {
  bool whole = true;
  eachvalue([stream, &whole](int& field, int low, int high, Value which, int a, int b) {
    int value = 0;
    // A value its field cannot hold comes from a damaged or foreign file: it is
    // reported like a failed read, and the field keeps what it had.
    if (readvalue(stream, &value) && value >= low && value <= high) {
      field = value;
      return;
    }
    whole = false;
    VXerror(0, "Error while loading saved state of program.");
    fieldreport(which, a, b);
  });
  return whole ? 1 : 0;
}
