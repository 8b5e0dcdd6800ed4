// Reading and setting the geometry and state of windows, buttons and drag areas.

#include "core/log.h"
#include "ops/lookup.h"
#include "vx.h"

using namespace vx;

void VXgetwindowinfo(const char* window, int* left, int* top, int* width, int* height,
                     int* active) {
  const Window& w = model.Win[findwindow(window)];
  put(left, w.left);
  put(top, w.top);
  put(width, w.width);
  put(height, w.height);
  put(active, w.active);
}

void VXgetbuttoninfo(const char* window, const char* button, int* left, int* top, int* width,
                     int* height, int* active) {
  const Button& b = findbutton(window, button);
  put(left, b.left);
  put(top, b.top);
  put(width, b.width);
  put(height, b.height);
  put(active, b.active);
}

void VXgetdragareainfo(const char* window, const char* dragarea, int* left, int* top, int* width,
                       int* height, int* active, unsigned char* face) {
  VXgetbuttoninfo(window, dragarea, left, top, width, height, active);
  put(face, findbutton(window, dragarea).facecolor);
}

void VXsetbuttoninfo(const char* window, const char* button, const int* left, const int* top,
                     const int* width, const int* height, const unsigned char* face) {
  Button& b = findbutton(window, button);
  take(b.left, left);
  take(b.top, top);
  take(b.width, width);
  take(b.height, height);
  take(b.facecolor, face);
}

void VXsetbuttonlabel(const char* window, const char* button, const char* label) {
  Button& b = findbutton(window, button);
  char* copy = copytext(label);
  if (copy == nullptr) vx::fatal("Out of memory for button |%s|.\n", b.name);
  delete[] b.label;
  b.label = copy;
}

void VXgetfieldinfo(const char* field, int* left, int* top, int* width, int* height,
                    unsigned char* color) {
  const Field& f = model.fields[getname(model.fields, model.nfields, field, "field")];
  put(left, f.left);
  put(top, f.top);
  put(width, f.width);
  put(height, f.height);
  put(color, f.color);
}

void VXsetfieldinfo(const char* field, const int* left, const int* top, const int* width,
                    const int* height, const unsigned char* color) {
  Field& f = model.fields[getname(model.fields, model.nfields, field, "field")];
  take(f.left, left);
  take(f.top, top);
  take(f.width, width);
  take(f.height, height);
  take(f.color, color);
}
