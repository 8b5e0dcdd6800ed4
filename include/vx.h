/*
 * vx: an interface handler library.
 *
 * The application describes its whole user interface in a text file; the library
 * loads it, opens the main window and calls the application's named callbacks.
 * This is the library's one public header. It compiles as C and as C++.
 *
 * Sections, in the order an application uses them:
 *    1. Codes and records    the version, event, key and drag codes, the event record
 *    2. Bringing up          the command line, VXinterfaceinit, the event loop, logs, files
 *    3. Callbacks            the callback table, functions, the keyboard and close
 *                            handlers, the last action
 *    4. Windows and buttons  windows, buttons, drag areas, fields, the pointer
 *    5. Drawing              colours and figures in the current window
 *    6. Text and messages    fonts, text and numbers, messages, alerts, help, version
 *    7. Popups               popup menus and their items
 *    8. State                the interface's state saved and loaded
 *    9. Pictures             RL4 pictures
 *   10. Ending               ending the program, reports
 *   11. Short names          Event, LastAction, Picture and FunctionEntry
 *
 * The types have VX-prefixed names. Section 11 gives them their short names too;
 * `#define VX_NO_SHORT_NAMES` before including this header leaves those out, for a
 * program that meets another library's type of the same name.
 */
#ifndef VX_H
#define VX_H

#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__) || defined(__clang__)
#define VX_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#define VX_NORETURN __attribute__((noreturn))
#else
#define VX_PRINTF(fmt, args)
#define VX_NORETURN
#endif

/* ---- 1. Codes and records ---------------------------------------------------------- */

#define VX_VERSION "2.0.6"

/* Event types. */
#define EXPOSE 0
#define BUTTONPRESS 1
#define BUTTONRELEASE 2
#define KEYPRESS 3
#define MOTION 4

/* Key codes besides plain character codes. Backspace and Delete both give 8. */
#define ARROWLEFT 28
#define ARROWRIGHT 29
#define ARROWUP 30
#define ARROWDOWN 31

/* Codes passed to a drag area's callback. */
#define DRAGBEGIN 1
#define DRAGMOTION 2
#define DRAGEND 3
#define DRAGINSIDE 4
#define DRAGCLICK 5
#define DRAGLEAVE 6

/* One input event, in main-window pixels. */
typedef struct VXevent {
  int8_t type; /* EXPOSE, BUTTONPRESS, BUTTONRELEASE, KEYPRESS or MOTION */
  uint8_t key; /* key code of a KEYPRESS */
  int16_t x;
  int16_t y;
} VXevent;

/* ---- 2. Bringing up ---------------------------------------------------------------- */

/* Backing-store switch of VXinterfaceinit: windows may save what they cover. */
#define BSTORE 1

/* Joins argv[1] to argv[argc - 1] into one command-line text for VXinterfaceinit, with
 * double quotes around words that hold blanks or quotes, so that the library reads back
 * exactly the arguments. The text stays valid until the next call. */
const char* VXcommandline(int argc, char** argv);

/* Brings the interface up, after VXsetfunctiontable (section 3): opens "error.log" with
 * logmode, opens the main window (the command line carries the toolkit's --vx-
 * options), loads the description file, installs the palette (256 colours when colors
 * is 256, else 16) and creates the backing stores (window stores only when bstore is
 * BSTORE). */
void VXinterfaceinit(const char* title, const char* file, int bstore, const char* logmode,
                     int colors, void* instance, void* previous, const char* commandline,
                     int showmode);

/* Runs the program: checks for a mouse, then dispatches events for ever, the window's
 * first paint first. The program ends through a quit callback (VXinterfaceexit), the
 * window's close box (unless a close handler is set), the end of a replay script, or a
 * fatal error. */
void VXmainloop(void) VX_NORETURN;

/* From inside a callback: dispatches the presses, releases, keys and repaints that are
 * waiting, up to the next timer tick, then returns. */
void VXprocessevents(void);

/* Opens "error.log" with the mode ("w" or "a") and writes the banner; 1 when it is open
 * (already, or now), 0 when it cannot be. */
int VXopenerrorlog(const char* mode);

/* Opens "output.log", the application's own log, with the mode; 0 when it cannot. */
int VXopenoutputlog(const char* mode);

/* Writes a printf-style text to "output.log" and flushes it. Formats are never taken
 * from user text. */
void VXoutput(const char* format, ...) VX_PRINTF(1, 2);

/* Opens a file whose path is written with "/" separators on every platform; null when
 * it cannot. */
FILE* VXopenfile(const char* path, const char* mode);

/* The stream's size in bytes; its position is left where it was. */
int32_t VXfilesize(FILE* stream);

/* ---- 3. Callbacks ------------------------------------------------------------------ */

/*
 * Callbacks are typed by the role they serve:
 *   name:  buttons and popup items, called with the object's name;
 *   drag:  drag areas, called with the position in the area, a drag code and a name
 *          (null for DRAGBEGIN, DRAGMOTION, DRAGINSIDE and DRAGLEAVE);
 *   event: per-event functions and the keyboard handler, called with x, y and an argument;
 *   plain: popup dismissal and the redraw function.
 * The generic form serves every role and receives the role and the arguments in one
 * record; it is meant for tools and language bindings.
 */
typedef enum VXform {
  VXFORM_NAME = 1,
  VXFORM_DRAG = 2,
  VXFORM_EVENT = 3,
  VXFORM_PLAIN = 4,
  VXFORM_GENERIC = 5
} VXform;

typedef struct VXcall {
  VXform role;          /* the role the call is made for (never VXFORM_GENERIC) */
  int x, y;             /* drag and event roles */
  int arg;              /* drag code (drag role) or argument (event role) */
  const char* name;     /* name role; drag role for DRAGEND and DRAGCLICK; else null */
  const char* function; /* the entry's name in the callback table */
  void* data;           /* the entry's data pointer */
} VXcall;

typedef int (*VXnamefunc)(const char* name);
typedef int (*VXdragfunc)(int x, int y, int code, const char* name);
typedef int (*VXeventfunc)(int x, int y, int arg);
typedef int (*VXplainfunc)(void);
typedef int (*VXgenericfunc)(const VXcall* call);

typedef union VXentrypoint {
  VXnamefunc named;
  VXdragfunc drag;
  VXeventfunc event;
  VXplainfunc plain;
  VXgenericfunc generic;
#ifdef __cplusplus
  constexpr VXentrypoint() : named(nullptr) {}
  constexpr VXentrypoint(VXnamefunc f) : named(f) {}
  constexpr VXentrypoint(VXdragfunc f) : drag(f) {}
  constexpr VXentrypoint(VXeventfunc f) : event(f) {}
  constexpr VXentrypoint(VXplainfunc f) : plain(f) {}
  constexpr VXentrypoint(VXgenericfunc f) : generic(f) {}
#endif
} VXentrypoint;

/* One row of the application's callback table. */
typedef struct VXfunctionentry {
  const char* name;
  VXform form;
  VXentrypoint call;
  void* data; /* handed to generic entries; unused by the other forms */
#ifdef __cplusplus
  constexpr VXfunctionentry() : name(nullptr), form(VXFORM_NAME), call(), data(nullptr) {}
  constexpr VXfunctionentry(const char* n, VXnamefunc f)
      : name(n), form(VXFORM_NAME), call(f), data(nullptr) {}
  constexpr VXfunctionentry(const char* n, VXdragfunc f)
      : name(n), form(VXFORM_DRAG), call(f), data(nullptr) {}
  constexpr VXfunctionentry(const char* n, VXeventfunc f)
      : name(n), form(VXFORM_EVENT), call(f), data(nullptr) {}
  constexpr VXfunctionentry(const char* n, VXplainfunc f)
      : name(n), form(VXFORM_PLAIN), call(f), data(nullptr) {}
  constexpr VXfunctionentry(const char* n, VXgenericfunc f, void* d = nullptr)
      : name(n), form(VXFORM_GENERIC), call(f), data(d) {}
#endif
} VXfunctionentry;

/* Table rows from C (in C++ the same macros, or {"name", function}, work too). */
#ifdef __cplusplus
#define VXNAMEENTRY(n, f) VXfunctionentry((n), static_cast<VXnamefunc>(f))
#define VXDRAGENTRY(n, f) VXfunctionentry((n), static_cast<VXdragfunc>(f))
#define VXEVENTENTRY(n, f) VXfunctionentry((n), static_cast<VXeventfunc>(f))
#define VXPLAINENTRY(n, f) VXfunctionentry((n), static_cast<VXplainfunc>(f))
#define VXGENERICENTRY(n, f, d) VXfunctionentry((n), static_cast<VXgenericfunc>(f), (d))
#else
#define VXNAMEENTRY(n, f) \
  { (n), VXFORM_NAME, {.named = (f)}, 0 }
#define VXDRAGENTRY(n, f) \
  { (n), VXFORM_DRAG, {.drag = (f)}, 0 }
#define VXEVENTENTRY(n, f) \
  { (n), VXFORM_EVENT, {.event = (f)}, 0 }
#define VXPLAINENTRY(n, f) \
  { (n), VXFORM_PLAIN, {.plain = (f)}, 0 }
#define VXGENERICENTRY(n, f, d) \
  { (n), VXFORM_GENERIC, {.generic = (f)}, (d) }
#endif

/* Hands the callback table to the library; call it before VXinterfaceinit. The
 * library reads the table and never changes it; it must outlive the program. */
void VXsetfunctiontable(const VXfunctionentry* table, int count);

/* Has a function the description declares (a function statement) called after every
 * event, with the pointer's main-window position and 0. */
void VXactivatefunction(const char* function);

/* Stops calling a function after every event. */
void VXdeactivatefunction(const char* function);

/* Makes a declared function the keyboard handler: it is called with the pointer
 * relative to the current window and the key code. Control-Q ends the program and
 * Control-T switches VXmovepointer's step (5 or 25 pixels); neither reaches it. */
void VXsetkeyboardhandler(const char* function);

/* Leaves keys without a handler. */
void VXclearkeyboardhandler(void);

/* After VXinterfaceinit: names a name callback of the table that the close box and a
 * replay script's quit line call, with the main window's name, instead of ending the
 * program; it decides (VXinterfaceexit ends it). Null: they end it again. */
void VXsetclosehandler(const char* function);

/* What the user did last (VXgetlastaction). */
typedef struct VXlastaction {
  int32_t kind;  /* 0 nothing, 1 button or drag area, 2 popup item */
  char name[81]; /* window name (kind 1) or popup name (kind 2) */
  char time[81]; /* local time as "%H:%M:%S" */
  union {
    char text[81]; /* kind 1: the button's or drag area's name */
    int32_t index; /* kind 2: the item's index; kind 0: -1 */
  } value;
} VXlastaction;

/* Copies what the user did last: a button or drag area used, a popup item chosen, or a
 * popup dismissed. */
void VXgetlastaction(VXlastaction* action);

/* Sets the last action to kind 0 and value -1, keeping the time. */
void VXclearlastaction(void);

/* ---- 4. Windows and buttons -------------------------------------------------------- */

/* Names are looked up without regard to case; a name missing from its table is fatal.
 * Outputs passed as null pointers are skipped; setters take each value from its
 * non-null pointer. */

/* Makes the window current: drawing in window coordinates starts at its corner and is
 * clipped to its interior. */
void VXselectwindow(const char* window);

/* Shows and draws the window and leaves it current; with store 1 it first saves what it
 * covers, and modal suspends the other windows' buttons and raises the level. */
void VXshowwindow(const char* window, int store, int modal);

/* Marks the window not shown and ends its modal level, putting back what it covered
 * when it was shown with its store; the first window becomes current. */
void VXhidewindow(const char* window);

/* VXhidewindow of the current window. */
void VXhidecurrentwindow(void);

/* The window takes part at the current level again, its suspended buttons with it. */
void VXactivatewindow(const char* window);

/* The window no longer takes input and is not redrawn; the screen is left as it is. */
void VXdeactivatewindow(const char* window);

/* Draws a shown window again. */
void VXredrawwindow(const char* window);

/* Draws every shown window, level 1 first: the default repaint. */
void VXredrawall(void);

/* Moves (and resizes) a window, holding its right and bottom edges on the screen; null
 * pointers leave a value alone. Nothing is redrawn. */
void VXsetwindoworigin(const char* window, const int* left, const int* top, const int* width,
                       const int* height);

/* The window's rectangle in main-window pixels and its level (0: not shown). */
void VXgetwindowinfo(const char* window, int* left, int* top, int* width, int* height, int* active);

/* Copies the current window's name into the buffer and returns the buffer. */
char* VXgetcurrentwindow(char* buffer);

/* The current window's name, without a buffer to overrun. */
const char* VXgetcurrentwindowname(void);

/* Makes the button active and its window current; the screen changes only when redraw
 * is exactly 1, here and in the three below. */
void VXenablebutton(const char* window, const char* button, int redraw);

/* The same as VXenablebutton. */
void VXshowbutton(const char* window, const char* button, int redraw);

/* Makes the button inactive: drawn, but deaf to the mouse. */
void VXdisablebutton(const char* window, const char* button, int redraw);

/* Hides the button; redrawn, its rectangle takes the window's background colour. */
void VXhidebutton(const char* window, const char* button, int redraw);

/* A button's rectangle in main-window pixels and its state (1 active, 0 inactive, -1
 * hidden, -2 suspended). */
void VXgetbuttonrect(const char* window, const char* button, int* x, int* y, int* width,
                     int* height, int* state);

/* A button's rectangle relative to its window, and its state. */
void VXgetbuttoninfo(const char* window, const char* button, int* left, int* top, int* width,
                     int* height, int* active);

/* Changes a button's rectangle and face colour; it shows when the button is next drawn. */
void VXsetbuttoninfo(const char* window, const char* button, const int* left, const int* top,
                     const int* width, const int* height, const unsigned char* face);

/* The button's label becomes a copy of the text. */
void VXsetbuttonlabel(const char* window, const char* button, const char* label);

/* A drag area's rectangle relative to its window, its state and its face colour. */
void VXgetdragareainfo(const char* window, const char* dragarea, int* left, int* top, int* width,
                       int* height, int* active, unsigned char* face);

/* A field's rectangle and colour. */
void VXgetfieldinfo(const char* field, int* left, int* top, int* width, int* height,
                    unsigned char* color);

/* Changes a field's rectangle and colour. */
void VXsetfieldinfo(const char* field, const int* left, const int* top, const int* width,
                    const int* height, const unsigned char* color);

/* The pointer position relative to the current window's outer corner (not its
 * interior); returns the y value. */
int VXwgetpointer(int* x, int* y);

/* Asks for the pointer to move to a position in the current window. */
void VXwsetpointer(int x, int y);

/* Moves the pointer position a step with an arrow-key code; a step nearer than 8
 * pixels to the screen's edge undoes the call. */
void VXmovepointer(int key);

/* ---- 5. Drawing -------------------------------------------------------------------- */

/* Drawing is in the current window's coordinates, clipped to its interior, in the
 * current colour. */

/* Sets the colour (a palette index) every drawing and writing operation uses. */
void VXsetcolor(unsigned char index);

/* The current colour. */
unsigned char VXcurrentcolor(void);

/* A colour's or alias's palette index by name: 15 for an alias of nothing, 255 for an
 * unknown name. */
unsigned char VXgetcolor(const char* color);

/* The palette index at position 0 to 4 of colour list 0 to 4; 0 outside them. */
unsigned char VXgetlistcolor(int list, int position);

/* Writes entries 0 to 15 of a table of red, green and blue components to "palette.txt",
 * for debugging. */
void VXwritepalette(const unsigned char (*table)[3]);

/* One pixel in the current colour. */
void VXwpoint(int x, int y);

/* The palette index of one pixel. */
unsigned char VXwgetpixel(int x, int y);

/* A row of count palette indexes (at most 640), from (x, y) rightwards. */
void VXwdrawrow(int x, int y, const unsigned char* indexes, int count);

/* A line; its end point is not drawn. */
void VXwline(int x1, int y1, int x2, int y2);

/* A filled polygon of count x, y pairs; the caller's points are moved into main-window
 * pixels in place. */
void VXwfillpoly(int count, int32_t* points);

/* A rectangle's outline, drawn unless width and height are both 0. */
void VXwrect(int x, int y, int width, int height);

/* A filled rectangle, drawn only when width and height are both nonzero. */
void VXwfillrect(int x, int y, int width, int height);

/* An ellipse's outline in its bounding rectangle, drawn unless both sizes are 0. */
void VXwellipse(int x, int y, int width, int height);

/* A filled ellipse, drawn only when both sizes are nonzero. */
void VXwfillellipse(int x, int y, int width, int height);

/* Fills the inside of the rectangle (its outline stays) in the window's background. */
void VXwclearrect(int x, int y, int width, int height);

/* A line in white with exclusive-or: drawn twice, it is gone. */
void VXwxorline(int x1, int y1, int x2, int y2);

/* A rectangle's outline in white with exclusive-or. */
void VXwxorrect(int x, int y, int width, int height);

/* A frame two pixels wide just outside a field (of the named window, or the current one
 * for null): c1 on top and left, c2 on bottom and right. */
void VXframefield(const char* window, const char* field, unsigned char c1, unsigned char c2);

/* The same frame around a drag area. */
void VXframedragarea(const char* window, const char* dragarea, unsigned char c1, unsigned char c2);

/* ---- 6. Text and messages ---------------------------------------------------------- */

/* Text in the current window: x is one pixel left of the text's first column, y its
 * baseline, in the current colour and font; nothing is erased first. Formatted numbers
 * are cut to 83 characters. */

#define VXFONTNORMAL 10
#define VXFONTBOLD 15

/* Sets the font of written text: VXFONTNORMAL or VXFONTBOLD. */
void VXsetfont(int code);

/* The width in pixels of a text in the current font. */
int VXtextwidth(const char* text);

/* Writes a text. */
void VXwwritetext(int x, int y, const char* text);

/* Writes a message of the description, by name. */
void VXwwritemsg(int x, int y, const char* message);

/* Writes a text cut to a box (clip_y is measured like a baseline; one pixel is kept free
 * at each side); draws nothing, after a warning, when the box is bad. */
void VXwwriteclippedmsg(int clip_x, int clip_y, int clip_wd, int clip_ht, int x, int y,
                        const char* text);

/* Writes a number whole, with commas between groups of three digits. */
void VXwwritecommanum(int x, int y, double value);

/* Writes a number with a field width and a precision. */
void VXwwritefloat(int width, int precision, int x, int y, double value);

/* Writes a whole number with a field width (negative: aligned left). */
void VXwwritelong(int width, int x, int y, int32_t value);

/* A message's text by name; "" for a name that is not there. */
const char* VXgetmsgtext(const char* message);

/* The message window "message": message number n (n > 0) shows the messages "hm" 10n,
 * 10n + 1 and 10n + 2 as three lines; -1 shows the current one again, -2 the previous
 * one; 0 shows nothing. The same number twice draws once. */
void VXmessage(int n);

/* Shows message n, then the window "alert" modally (with a beep, saving what it covers
 * when store is 1) unless it is up already, and writes the texts of the named messages
 * in it, one a line; the list of names ends with "". Hiding "alert" takes it down. */
void VXalert(int n, int store, ...);

/* VXalert with the names as a va_list, for wrappers. */
void VXvalert(int n, int store, va_list names);

/* A short beep, as an alert gives. */
void VXbeep(void);

/* The help viewer in the window "help", whose buttons "helpnext" and "helpprev" it
 * enables, disables or hides: mode 0 shows it (modally, saving what it covers when store
 * is 1) at the file's first page, 1 the next page, 2 the previous one, 3 the same one
 * again; pages hold 25 lines or end at a form feed. Shows message n first. Returns 1, or
 * 0 when the file cannot be opened ("Unable to open this help file" is shown). */
int VXhelp(const char* file, int mode, int store, int n);

/* Writes the first line of the file that begins with "Version" at the field "VERSION"
 * of the window "root"; the line is read once. Returns 0 when there is none to show. */
int VXversion(const char* file);

/* ---- 7. Popups --------------------------------------------------------------------- */

/* Saves what the popup covers, raises the level and draws it; the next press or release
 * chooses an item or dismisses it. */
void VXopenpopup(const char* popup);

/* Moves a popup, holding its right and bottom edges on the screen; null pointers leave a
 * value alone. */
void VXsetmenuorigin(const char* popup, const int* left, const int* top);

/* Makes an item choosable. */
void VXenablemenuitem(const char* popup, const char* item);

/* Makes an item shown but not choosable. */
void VXdisablemenuitem(const char* popup, const char* item);

/* Shows a hidden item. */
void VXshowmenuitem(const char* popup, const char* item);

/* Hides an item. */
void VXhidemenuitem(const char* popup, const char* item);

/* Flips an item's check mark, repainting its row when the popup is open. */
void VXtogglemenuitemcheck(const char* popup, const char* item);

/* An item's index in its popup; hidden items count. */
int VXgetmenuitemindex(const char* popup, const char* item);

/* An item's name by index; null outside the items. */
const char* VXgetmenuitemname(const char* popup, int index);

/* An item's state (1 enabled, 0 disabled, -1 hidden) and check mark (1 or 0): 1 when the
 * popup and item are there, 0 (nothing reported) when not. Null outputs are skipped. */
int VXgetiteminfo(const char* popup, const char* item, int* state, int* checked);

/* The name of the popup that is open, or null when none is. */
const char* VXgetopenpopup(void);

/* ---- 8. State ---------------------------------------------------------------------- */

/* The state of the interface (levels and states of windows, buttons, popups and items,
 * and check marks) is written to and read from a stream the caller opened ("wb", "rb"),
 * as 4-byte little-endian integers in table order. A failed value, or a loaded one its
 * field cannot hold, is a warning; the rest go on. */

/* Writes the state to the stream. */
void VXsavestate(FILE* stream);

/* Reads the state back from the stream: 1 when every value was read and taken, else 0. */
int VXloadstate(FILE* stream);

/* ---- 9. Pictures ------------------------------------------------------------------- */

/* Files are opened by the caller ("rb") and rewound by each operation. */

/* An RL4 picture in memory (VXloadpicture); the buffer belongs to the caller. */
typedef struct VXpicture {
  uint32_t tag;
  int32_t runsize; /* bytes per run: 1, 2 or 3 */
  uint16_t rows;
  uint16_t cols;
  uint16_t* rowlengths; /* entry 0 is 0, entry r + 1 the byte length of row r */
  unsigned char* runs;
} VXpicture;

/* A picture file's rows and columns. */
void VXgetpicturesize(FILE* file, uint16_t* rows, uint16_t* cols);

/* Reads a whole file into the caller's buffer, which must hold VXfilesize(file) - 8
 * bytes, and fills the picture; 1 when loaded, 0 when the file is not a picture it can
 * use. */
int VXloadpicture(FILE* file, VXpicture* picture, unsigned char* buffer);

/* The values of count pixels of a row from a column on, of a loaded picture; -1 in
 * every slot past the row or outside the picture. */
void VXgetpicturepixel(const VXpicture* picture, int32_t column, int32_t row, int16_t* values,
                       int32_t count);

/* The same from a file; slots past the row are left alone. */
void VXgetfilepixel(FILE* file, uint32_t column, int32_t row, int16_t* values, uint32_t count);

/* Turns a pixel value into a palette index (the low 8 bits of the result count):
 * VXpicturemap is told the screen column in the drawn area, the picture row from the
 * start row and the repetition within the magnification; VXfilepicturemap only the
 * value. Without one, the index is the value's low 8 bits. */
typedef int (*VXpicturemap)(uint16_t value, int column, int row, int repeat);
typedef int (*VXfilepicturemap)(uint16_t value);

/* Draws a loaded picture at (x, y) of the current window, width screen pixels by height
 * screen rows from picture column c0 and row r0, magnified by a whole factor. What no
 * picture pixel reaches is drawn in index 255. */
void VXdrawpicture(const VXpicture* picture, int x, int y, int width, int height, int c0, int r0,
                   int factor, VXpicturemap map);

/* The same straight from a file (at most 640 columns), without magnification. */
void VXdrawfilepicture(FILE* file, int x, int y, int width, int height, int c0, int r0,
                       VXfilepicturemap map);

/* ---- 10. Ending -------------------------------------------------------------------- */

/* Ends the program. Without a format (null): closes the window and exits with status 0
 * (-1 when a screenshot asked for with --vx-screenshot could not be written). With one:
 * the formatted text, cut to 255 characters, is reported as a fatal error. */
void VXinterfaceexit(const char* format, ...) VX_PRINTF(1, 2) VX_NORETURN;

/* Writes a printf-style report to "error.log". Level 0 is a warning; any other level is
 * fatal and ends the process with that level as its exit status. Formats are never
 * taken from user text. */
void VXerror(int level, const char* format, ...) VX_PRINTF(2, 3);

/* ---- 11. Short names --------------------------------------------------------------- */

#ifndef VX_NO_SHORT_NAMES
typedef VXevent Event;
typedef VXlastaction LastAction;
typedef VXpicture Picture;
typedef VXfunctionentry FunctionEntry;
#endif

#ifdef __cplusplus
}
#endif

#endif
