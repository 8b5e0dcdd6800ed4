// The graphics platform layer: the only code that talks to the window system.
//
// Everything above this header works on palette indexes, pixel coordinates of the
// 640 x 480 drawing area and event records, and includes nothing else of this folder.
// Below it: one software framebuffer and raster shared by every back-end (raster/), the
// back-ends found by name (sdl/, headless/ with its replay scripts and recordings), and
// PNG pictures of the framebuffer (screenshot/).
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

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
// A saved store covers the screen at `level` (0: it covers nothing) until it is
// restored. Drawing at a lower level (what `level` handed to VXPsetdrawlevel says is being
// drawn) goes beneath it: the screen keeps the cover, the store the new content.
void VXPsetstorelevel(int slot, int level);
void VXPsetdrawlevel(int (*level)());

// The device palette: count entries (16 or 256) of 6-bit red, green, blue.
void VXPsetpalette(const std::uint8_t (*table)[3], int count);

// Events and time.
// Always 1. The end message (the headless events run out) ends the program; so does the
// quit message (the close box, a replay script's quit line) unless the quit handler takes
// it, and then it comes back as a MOTION. Ticks come every 10 ms while `ticks` is
// true; when the caller says nothing needs them, a window sleeps until its next real
// event instead (a recording still counts the ticks slept through, and the headless
// back-end ticks as ever).
int VXPgetevent(VXevent* event, bool ticks = true);
// Who is handed the quit message: true when the application took it. Null: nobody, and
// the program ends.
void VXPsetquithandler(bool (*handler)());
unsigned long VXPmarktime();
unsigned long VXPelapsed();
// The time of day on the back-end's clock: local time in a window (and while none is
// open); headless, the virtual clock read as a time of day that is 00:00:00 when the
// window opens, so that a headless run shows the same times on every machine. False when
// the local time cannot be read.
bool VXPtimeofday(std::tm* time);

// Other services and hooks.
void VXPbeep();
int VXPmousepresent();
void VXPdelay(int milliseconds);  // sleeps; nothing for 0 or less
void VXPsetpointer(int x, int y);
void VXPstartdevice();
void VXPafterevent();
void VXPstopdevice();
int VXPisterminal(std::FILE* file);

// What the library's test operations (vx_test.h) and vxtool reach below the layer.
namespace vx::platform {

// Writes the framebuffer as a 640 x 480 PNG (a palette image when it has 256 colours or
// fewer, else RGB); false, with errno saying why, when the file cannot be written. A
// failed write leaves what the path named as it was.
bool writepng(const char* path);

// A picture's pixels as 8-bit red, green and blue, row after row.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// Reads the PNG at `path` as 8-bit RGB, whatever its format. `fits` is given the size in
// the file's header and may refuse it, with `why` set, before the pixels take memory.
// False with `why` set when the file cannot be opened, is not a PNG ("Not a PNG file"),
// does not fit or is damaged.
bool readpng(const char* path, RgbPicture* picture, std::string* why,
             const std::function<bool(int width, int height, std::string* why)>& fits);

// The number of pixels whose colour differs between the framebuffer and the PNG at
// `path`, read as 8-bit RGB, and the first of them in row order at (x, y), which are
// (-1, -1) when none does. -1, with `why` saying what is wrong, when the file is not a
// 640 x 480 PNG that can be read.
int comparepng(const char* path, int* x, int* y, std::string* why);

// Whether the window's first paint is still to be handed out.
bool firstpaintqueued();

}  // namespace vx::platform

// The headless back-end's controls: an event queue, the virtual clock, and what the
// program asked of the devices.
namespace vx::platform::headless {

// Whether the open window is a headless one.
bool active();

// Queued messages come out of VXPgetevent in order, before the replay script's next line.
// Unlike script actions they bring no tick of their own: push ticks where time passes.
void pushpress(int x, int y);
void pushrelease(int x, int y);
void pushmove(int x, int y);
void pushkey(std::uint8_t code);
void pushexpose();
void pushtick(long count = 1);  // each tick is a MOTION and 10 ms of virtual time
void pushquit();                // the quit message, as the close box sends it

// Virtual milliseconds since the window opened.
unsigned long time();

// Beeps since the window opened.
int beeps();

// The last position VXPsetpointer asked for; false when it was never asked.
bool pointer(int* x, int* y);

// Test mode (VXteststart): windows open headless whatever their command line asks, and
// when nothing is left to hand out time passes a tick at a time instead of the program
// ending, so that a callback's VXprocessevents returns to the test.
void settesting(bool on);
bool testing();

// Whether the pump has something left before it runs dry: the window's first paint, a
// queued message or tick, or a script line. Screenshot lines reached on the way are
// carried out, as handing out the next event would.
bool pending();

}  // namespace vx::platform::headless
