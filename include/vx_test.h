/*
 * vx_test.h: testing an application built on vx from its own test suite.
 *
 * A test calls VXteststart, then the application's own start-up code (the code that
 * calls VXsetfunctiontable and VXinterfaceinit), unchanged: the interface comes up
 * headless, with no window, a virtual clock that moves only when the test says so, and
 * the same pixels on every machine. The test then posts input, runs the dispatcher as
 * VXmainloop would until everything posted is handled, and looks at the screen:
 *
 *   VXteststart();
 *   my_startup();                  the application's VXsetfunctiontable, VXinterfaceinit
 *   VXtestrun(0);                  the window's first paint
 *   VXtestclick(570, 60);
 *   VXtestrun(1);                  the click, then one tick
 *   ... VXtestpixel(x, y), VXtestcompare("golden.png", &x, &y) ...
 *   VXteststop();
 *
 * docs/testing.md has a whole GoogleTest example. Like vx.h, this header compiles as C
 * and as C++.
 *
 * A mistake in using these functions (posting with no interface brought up for a test,
 * a coordinate or key code out of range, a null text or file name) is a fatal report,
 * as the library's other mistakes are: the message goes to standard output and to
 * "error.log", and the process ends with status -1 (255).
 */
#ifndef VX_TEST_H
#define VX_TEST_H

#include "vx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Test mode, until VXteststop. Every window opens headless, whatever the command line
 * handed to VXinterfaceinit asks (its other --vx- options still count); a fatal report
 * ends the process at once, without the two-second pause; and once everything posted
 * is handled, time goes on a tick at a time instead of the program quitting, so that a
 * callback calling VXprocessevents returns to the test. Call it before the
 * application's start-up. VXmainloop is refused in test mode: the test runs the loop
 * with VXtestrun. */
void VXteststart(void);

/* Takes the interface down without ending the process: closes the window (writing the
 * --vx-screenshot, if one was asked for), closes "error.log" and "output.log" so that
 * the next start-up opens them afresh, and leaves test mode. Harmless when nothing is
 * up. */
void VXteststop(void);

/* Input in main-window pixels (-32768 to 32767), queued until VXtestrun dispatches it,
 * with no time between one event and the next: time passes in VXtestrun only.
 * VXtestclick is a press and a release at one place. VXtestdrag is a press at (x1, y1),
 * `steps` moves (1 to 10000) evenly along the way, the last at (x2, y2), and a release
 * there, as a replay script's drag line. */
void VXtestpress(int x, int y);
void VXtestrelease(int x, int y);
void VXtestmove(int x, int y);
void VXtestclick(int x, int y);
void VXtestdrag(int x1, int y1, int x2, int y2, int steps);

/* A key code from 0 to 255: a character as itself, ARROWLEFT to ARROWDOWN, 8
 * (Backspace, Delete), 13 (Return), 27 (Escape), or a control key, VXCTRL('t') being
 * Control-T (20). Control-Q (17) ends the program as a fatal report. VXtesttype posts
 * one key for each character of the text. */
#define VXCTRL(letter) ((letter)&31)
void VXtestkey(int key);
void VXtesttype(const char* text);

/* A repaint of the whole window, as when it is uncovered. */
void VXtestexpose(void);

/* Dispatches everything queued, then `ticks` (0 or more) timer ticks, each 10 ms of
 * virtual time and a MOTION at the pointer (auto-repeat and per-event functions run on
 * them), and returns when nothing is left. Every event goes through the dispatcher as
 * VXmainloop hands it out: until the window's first paint has been dispatched, a call
 * first puts the pointer at the screen's centre and dispatches that paint, before
 * anything posted. A replay script named by --vx-replay is played too, its screenshot
 * lines included. A callback that ends the program (VXinterfaceexit) ends the test
 * process with status 0: test it with a death test. */
void VXtestrun(int ticks);

/* The palette index at (x, y) of the screen (the palette entry nearest the pixel's
 * colour), or -1 outside the 640 x 480 screen. */
int VXtestpixel(int x, int y);

/* Writes the screen as a 640 x 480 RGB PNG, as --vx-screenshot does: 1, or 0 when it
 * cannot be written, with the reason on standard error and in "error.log". */
int VXtestscreenshot(const char* path);

/* Compares the screen with a 640 x 480 PNG pixel by pixel, by colour (8-bit red, green
 * and blue; a palette or gray PNG by the colours it shows): the number of pixels that
 * differ, 0 when none does, and the first that differs in row order at (*x, *y), which
 * are -1 when none does; null outputs are skipped. -1 when the file is missing or is
 * not a 640 x 480 PNG, with the reason on standard error and in "error.log". When the
 * environment variable VX_UPDATE_GOLDENS is set and not empty, it writes the screen to
 * the file instead, as a new golden picture, and returns 0 (-1 when it cannot). */
int VXtestcompare(const char* path, int* x, int* y);

/* Virtual milliseconds since the window opened, and beeps since then. */
unsigned long VXtesttime(void);
int VXtestbeeps(void);

#ifdef __cplusplus
}
#endif

#endif
