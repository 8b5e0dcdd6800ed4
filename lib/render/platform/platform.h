// The graphics platform layer: the only code that talks to the window system.
//
// Everything above this header works on palette indexes, pixel coordinates of the
// 640 x 480 drawing area and Event records. Below it: one software framebuffer shared
// by every back-end (sdl, headless).
#pragma once

#include <cstdint>
#include <cstdio>

#include "vx.h"

// The drawing area; other modules test positions against these.
constexpr int VXPWIDTH = 640;
constexpr int VXPHEIGHT = 480;

// Coordinates handed to drawing are 64 bits wide, so that sums and differences of a
// description's 32-bit numbers reach the raster exactly and never overflow. Whatever
// lies off the screen is clipped; values beyond VXPFAR either way count as VXPFAR.
using VXPcoord = std::int64_t;
constexpr VXPcoord VXPFAR = VXPcoord{1} << 40;

// Set-up and teardown. The command line is searched for the toolkit's --vx- options.
void VXPopenwindow(const char* title, void* instance, void* previous, const char* commandline,
                   int showmode);
// Releases every drawing resource and closes the window; harmless when none is open.
// Returns 0 when the screenshot asked for at the end could not be written (reported on
// standard error and in the error log), else 1.
int VXPclose();

// Drawing state.
void VXPsetcolor(std::uint8_t index);
std::uint8_t VXPgetcolor();
void VXPsetlinewidth(int width);  // only 1 and 3 are accepted
int VXPgetlinewidth();
void VXPsetfont(int code);  // 10 normal, 15 bold
int VXPgetfont();
int VXPascent();
int VXPtextwidth(const char* text);
void VXPsetxor(int on);
void VXPsetclip(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);

// Drawing. Rectangles and ellipses are left, top, width, height.
void VXPline(VXPcoord x1, VXPcoord y1, VXPcoord x2, VXPcoord y2);  // the end point is not drawn
void VXPsetpixel(VXPcoord x, VXPcoord y);
std::uint8_t VXPgetpixel(VXPcoord x, VXPcoord y);      // nearest palette entry; 0 before a palette
std::uint8_t* VXPgetrow(int y, std::uint8_t* buffer);  // buffer of VXPWIDTH entries
void VXPputrow(VXPcoord x, VXPcoord y, const std::uint8_t* indexes, int count);
void VXPrect(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);
void VXPfillrect(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);
void VXPellipse(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);
void VXPfillellipse(VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);
void VXPfillpoly(int count, const VXPcoord* points);  // count (x, y) pairs
void VXPtext(VXPcoord x, VXPcoord baseline, const char* text);

// Backing-store bitmaps, slots 1 to 5.
int VXPcreatestore(int slot, int width, int height);
int VXPsavestore(int slot, VXPcoord left, VXPcoord top, VXPcoord width, VXPcoord height);
int VXPrestorestore(int slot, VXPcoord left, VXPcoord top);

// The device palette: count entries (16 or 256) of 6-bit red, green, blue.
void VXPsetpalette(const std::uint8_t (*table)[3], int count);

// Events and time.
// Always 1; the quit message ends the program. Ticks come every 10 ms while `ticks` is
// true; when the caller says nothing needs them, a window sleeps until its next real
// event instead (a recording still counts the ticks slept through, and the headless
// back-end ticks as ever).
int VXPgetevent(Event* event, bool ticks = true);
unsigned long VXPmarktime();
unsigned long VXPelapsed();

// Other services and hooks.
void VXPbeep();
int VXPmousepresent();
void VXPdelay(int milliseconds);  // sleeps; nothing for 0 or less
void VXPsetpointer(int x, int y);
void VXPstartdevice();
void VXPafterevent();
void VXPstopdevice();
int VXPisterminal(std::FILE* file);
