// Two-colour frames around fields and drag areas.
#include "ops/lookup.h"
#include "render/windows.h"
#include "vx.h"

using namespace vx;

void VXframefield(const char* window, const char* field, unsigned char c1, unsigned char c2) {
  if (field == nullptr) {
    VXerror(0, "NULL passed to parameter field in VXframefield; \n");
    VXerror(0, "frame not drawn.\n");
    return;
  }
  int remembered = currentwindowindex();
  if (window != nullptr) VXselectwindow(window);
  int left = 0, top = 0, width = 0, height = 0;
  VXgetfieldinfo(field, &left, &top, &width, &height, nullptr);
  drawframe(left, top, width, height, c1, c2);
  setcurrentwindow(remembered);
}

void VXframedragarea(const char* window, const char* dragarea, unsigned char c1, unsigned char c2) {
  if (window == nullptr) {
    VXerror(0, "NULL passed to parameter window in VXframedragarea\n");
    VXerror(0, "frame not drawn.\n");
    return;
  }
  if (dragarea == nullptr) {
    VXerror(0, "NULL passed to parameter dragarea in VXframedragarea\n");
    VXerror(0, "frame not drawn.\n");
    return;
  }
  int remembered = currentwindowindex();
  VXselectwindow(window);
  int left = 0, top = 0, width = 0, height = 0;
  VXgetdragareainfo(window, dragarea, &left, &top, &width, &height, nullptr, nullptr);
  drawframe(left, top, width, height, c1, c2);
  setcurrentwindow(remembered);
}
