// Popup menus as pixels: opening over a saved background, rows, check marks and the
// highlight band that follows the pointer.
#pragma once

#include "model/model.h"

namespace vx {

// Row geometry: rows of 15 pixels starting 3 below the top, baselines 15 below.
constexpr int POPUPROW = 15;

// Saves the screen under popup p in store 1, raises the shown level and draws it,
// clipped to the window "root", which stays current. Fatal when store 1 is held.
void openpopup(int p);
// Puts back what the open popup covered, lowers the level, shows the remembered
// message again and makes the window current at opening current again.
void closepopup();
// Draws the open popup again in place, for a repaint; store 1 is not touched.
void redrawpopup();

// Item i's text, and its check mark, on row r; the band is the caller's.
void drawpopupitem(int p, int i, int r);
// Moves the open popup's highlight band to the row under the pointer.
void highlightpopup(int x, int y);
// Flips item i's check mark and, when its popup is open and it is shown, repaints its
// row on a band of colour c (the highlight colour when the pointer, at height y, is on
// that row).
void toggleitemcheck(int p, int i, Color c, int y);

// How many items of popup p take a row (those not hidden).
int shownitems(int p);

// The height of a popup of that many rows; no more than an int holds.
int rowsheight(int rows);

// Row number under y (may be negative or past the last row).
int popuprowat(int y, int p);
// Index of the shown item on the row under y, or -1.
int popupitemat(int y, int p);

// The message window lives in a layer above this one: it hands over how to note the
// message shown before a button's callback, which may open a popup, and how to show that
// message again when the popup closes.
void setpopupmessage(void (*remember)(), void (*showagain)());
void rememberpopupmessage();

}  // namespace vx
