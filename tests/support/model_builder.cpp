#include "support/model_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vxtest {

vx::Window& ModelBuilder::window(const char* name, int left, int top, int width, int height) {
  PendingWindow& w = windows_.emplace_back();
  w.record.name = vx::copytext(name);
  w.record.active = 1;
  w.record.left = left;
  w.record.top = top;
  w.record.width = width;
  w.record.height = height;
  return w.record;
}

vx::Button& ModelBuilder::button(const char* name, int left, int top, int width, int height) {
  vx::Button& b = windows_.back().buttons.emplace_back();
  b.name = vx::copytext(name);
  b.label = vx::copytext(name);
  b.left = left;
  b.top = top;
  b.width = width;
  b.height = height;
  b.popup = -1;
  b.font = vx::FONT_BOLD;
  b.active = vx::BUTTON_ACTIVE;
  b.justify = 'C';
  return b;
}

vx::Graphic& ModelBuilder::graphic(std::uint8_t kind, int x1, int y1, int x2, int y2) {
  vx::Graphic& g = windows_.back().graphics.emplace_back();
  g.kind = kind;
  g.x1 = x1;
  g.y1 = y1;
  g.x2 = x2;
  g.y2 = y2;
  g.shadow = 255;
  return g;
}

vx::Popup& ModelBuilder::popup(const char* name, int left, int top) {
  PendingPopup& p = popups_.emplace_back();
  p.record.name = vx::copytext(name);
  p.record.left = left;
  p.record.top = top;
  return p.record;
}

vx::PopupItem& ModelBuilder::item(const char* name, const char* label) {
  vx::PopupItem& i = popups_.back().items.emplace_back();
  i.name = vx::copytext(name);
  i.label = vx::copytext(label);
  i.active = 1;
  return i;
}

vx::Field& ModelBuilder::field(const char* name, int left, int top, int width, int height) {
  vx::Field& f = fields_.emplace_back();
  f.name = vx::copytext(name);
  f.left = left;
  f.top = top;
  f.width = width;
  f.height = height;
  return f;
}

vx::Message& ModelBuilder::message(const char* name, const char* text) {
  vx::Message& m = messages_.emplace_back();
  m.name = vx::copytext(name);
  m.text = vx::copytext(text);
  return m;
}

vx::FunctionDecl& ModelBuilder::function(const char* name) {
  vx::FunctionDecl& f = functions_.emplace_back();
  f.name = vx::copytext(name);
  return f;
}

void ModelBuilder::build() {
  vx::ModelCounts counts;
  counts.nwindows = static_cast<int>(windows_.size());
  counts.npopups = static_cast<int>(popups_.size());
  counts.nfields = static_cast<int>(fields_.size());
  counts.nmessages = static_cast<int>(messages_.size());
  counts.nfunctions = static_cast<int>(functions_.size());
  ASSERT_LE(counts.nwindows, vx::MAXWINDOWS);
  ASSERT_LE(counts.npopups, vx::MAXPOPUPS);
  for (std::size_t w = 0; w < windows_.size(); w++) {
    counts.buttons[w] = static_cast<int>(windows_[w].buttons.size());
    counts.graphics[w] = static_cast<int>(windows_[w].graphics.size());
  }
  for (std::size_t p = 0; p < popups_.size(); p++)
    counts.items[p] = static_cast<int>(popups_[p].items.size());

  vx::allocatemodel(counts);

  // The allocation owns the table pointers and counts; the rest comes from the records.
  for (std::size_t w = 0; w < windows_.size(); w++) {
    vx::Window& target = vx::model.Win[w];
    vx::Window record = windows_[w].record;
    record.nbuttons = target.nbuttons;
    record.wb = target.wb;
    record.ngraphics = target.ngraphics;
    record.graphics = target.graphics;
    target = record;
    std::copy(windows_[w].buttons.begin(), windows_[w].buttons.end(), target.wb);
    std::copy(windows_[w].graphics.begin(), windows_[w].graphics.end(), target.graphics);
  }
  for (std::size_t p = 0; p < popups_.size(); p++) {
    vx::Popup& target = vx::model.Popups[p];
    vx::Popup record = popups_[p].record;
    record.nitems = target.nitems;
    record.item = target.item;
    target = record;
    std::copy(popups_[p].items.begin(), popups_[p].items.end(), target.item);
  }
  std::copy(fields_.begin(), fields_.end(), vx::model.fields);
  std::copy(messages_.begin(), messages_.end(), vx::model.messages);
  std::copy(functions_.begin(), functions_.end(), vx::model.functions);
}

}  // namespace vxtest
