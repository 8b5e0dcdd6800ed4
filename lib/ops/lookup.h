// Finding the objects that public operations name.
#pragma once

#include "model/getname.h"
#include "model/model.h"

namespace vx {

// Each look-up is fatal with the getname message when the name is missing.
inline int findwindow(const char* name) {
  return getname(model.Win, model.nwindows, name, "window");
}

// A button's index within window w.
inline int findbuttonin(int w, const char* button) {
  const Window& win = model.Win[w];
  return getname(win.wb, win.nbuttons, button, "button");
}

inline Button& findbutton(const char* window, const char* button) {
  int w = findwindow(window);
  return model.Win[w].wb[findbuttonin(w, button)];
}

inline int findpopup(const char* name) {
  return getname(model.Popups, model.npopups, name, "popup");
}

// `kind` is "item" or "menu item", as each operation reports it.
inline PopupItem& finditem(const char* popup, const char* item, const char* kind) {
  Popup& p = model.Popups[findpopup(popup)];
  return p.item[getname(p.item, p.nitems, item, kind)];
}

// Stores a value into an optional output.
template <class T, class V>
void put(T* out, V value) {
  if (out != nullptr) *out = static_cast<T>(value);
}

// Takes a value from an optional input.
template <class T, class V>
void take(T& field, const V* in) {
  if (in != nullptr) field = static_cast<T>(*in);
}

}  // namespace vx
