// Colour indexes the drawing tests paint with.
#pragma once

namespace vxtest {

enum : int {
  BG = 30,
  BORDER = 31,
  FACE = 20,
  FRAME = 21,
  LIGHT = 22,
  DARK = 23,
  LABEL = 40,
  DIMLABEL = 41,
  INK = 50,
  SHADOW = 51,
  POPUPBG = 60,
  POPUPBORDER = 61,
  ENABLED = 62,
  DISABLED = 63,
  HIGHLIGHT = 64,
};

}  // namespace vxtest
