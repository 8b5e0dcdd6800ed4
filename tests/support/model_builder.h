// Builds small interface models for tests, the way the loader will: counts first,
// then one allocation at the final size, then the records in order.
#pragma once

#include <deque>

#include "model/model.h"

namespace vxtest {

class ModelBuilder {
 public:
  // Each returns the record, to be adjusted before build(); names are copied.
  vx::Window& window(const char* name, int left, int top, int width, int height);
  vx::Button& button(const char* name, int left, int top, int width, int height);  // last window
  vx::Graphic& graphic(std::uint8_t kind, int x1, int y1, int x2, int y2);         // last window
  vx::Popup& popup(const char* name, int left, int top);
  vx::PopupItem& item(const char* name, const char* label);  // last popup
  vx::Field& field(const char* name, int left, int top, int width, int height);
  vx::Message& message(const char* name, const char* text);
  vx::FunctionDecl& function(const char* name);

  // Allocates the model and copies every record into it.
  void build();

 private:
  struct PendingWindow {
    vx::Window record{};
    std::deque<vx::Button> buttons;
    std::deque<vx::Graphic> graphics;
  };
  struct PendingPopup {
    vx::Popup record{};
    std::deque<vx::PopupItem> items;
  };
  std::deque<PendingWindow> windows_;
  std::deque<PendingPopup> popups_;
  std::deque<vx::Field> fields_;
  std::deque<vx::Message> messages_;
  std::deque<vx::FunctionDecl> functions_;
};

}  // namespace vxtest
