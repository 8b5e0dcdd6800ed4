/*
 * vx: an interface handler library.
 *
 * The application describes its whole user interface in a text file; the library
 * loads it, opens the main window and calls the application's named callbacks.
 * This is the library's one public header. It compiles as C and as C++.
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

#define VX_VERSION "2.0.6"

/* Backing-store switch of VXinterfaceinit: windows may save what they cover. */
#define BSTORE 1

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
typedef struct Event {
  int8_t type; /* EXPOSE, BUTTONPRESS, BUTTONRELEASE, KEYPRESS or MOTION */
  uint8_t key; /* key code of a KEYPRESS */
  int16_t x;
  int16_t y;
} Event;

/* What the user did last (VXgetlastaction). */
typedef struct LastAction {
  int32_t kind;  /* 0 nothing, 1 button or drag area, 2 popup item */
  char name[81]; /* window name (kind 1) or popup name (kind 2) */
  char time[81]; /* local time as "%H:%M:%S" */
  union {
    char text[81]; /* kind 1: the button's or drag area's name */
    int32_t index; /* kind 2: the item's index; kind 0: -1 */
  } value;
} LastAction;

/* An RL4 picture in memory (VXloadpicture); the buffer belongs to the caller. */
typedef struct Picture {
  uint32_t tag;
  int32_t runsize; /* bytes per run: 1, 2 or 3 */
  uint16_t rows;
  uint16_t cols;
  uint16_t* rowlengths; /* entry 0 is 0, entry r + 1 the byte length of row r */
  unsigned char* runs;
} Picture;

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
typedef struct FunctionEntry {
  const char* name;
  VXform form;
  VXentrypoint call;
  void* data; /* handed to generic entries; unused by the other forms */
#ifdef __cplusplus
  constexpr FunctionEntry() : name(nullptr), form(VXFORM_NAME), call(), data(nullptr) {}
  constexpr FunctionEntry(const char* n, VXnamefunc f)
      : name(n), form(VXFORM_NAME), call(f), data(nullptr) {}
  constexpr FunctionEntry(const char* n, VXdragfunc f)
      : name(n), form(VXFORM_DRAG), call(f), data(nullptr) {}
  constexpr FunctionEntry(const char* n, VXeventfunc f)
      : name(n), form(VXFORM_EVENT), call(f), data(nullptr) {}
  constexpr FunctionEntry(const char* n, VXplainfunc f)
      : name(n), form(VXFORM_PLAIN), call(f), data(nullptr) {}
  constexpr FunctionEntry(const char* n, VXgenericfunc f, void* d = nullptr)
      : name(n), form(VXFORM_GENERIC), call(f), data(d) {}
#endif
} FunctionEntry;

/* Table rows from C (in C++ the same macros, or {"name", function}, work too). */
#ifdef __cplusplus
#define VXNAMEENTRY(n, f) FunctionEntry((n), static_cast<VXnamefunc>(f))
#define VXDRAGENTRY(n, f) FunctionEntry((n), static_cast<VXdragfunc>(f))
#define VXEVENTENTRY(n, f) FunctionEntry((n), static_cast<VXeventfunc>(f))
#define VXPLAINENTRY(n, f) FunctionEntry((n), static_cast<VXplainfunc>(f))
#define VXGENERICENTRY(n, f, d) FunctionEntry((n), static_cast<VXgenericfunc>(f), (d))
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
void VXsetfunctiontable(const FunctionEntry* table, int count);

/* Logs. Level 0 is a warning; any other level is fatal and ends the process with
 * that level as its exit status. Formats are never taken from user text. */
int VXopenerrorlog(const char* mode);
int VXopenoutputlog(const char* mode);
void VXoutput(const char* format, ...) VX_PRINTF(1, 2);
void VXerror(int level, const char* format, ...) VX_PRINTF(2, 3);

/* Brings the interface up: opens "error.log" with logmode, opens the main window
 * (the command line carries the toolkit's --vx- options), loads the description file,
 * installs the palette (256 colours when colors is 256, else 16) and creates the
 * backing stores (window stores only when bstore is BSTORE). */
void VXinterfaceinit(const char* title, const char* file, int bstore, const char* logmode,
                     int colors, void* instance, void* previous, const char* commandline,
                     int showmode);

/* Runs the program: checks for a mouse, then dispatches events for ever, the window's
 * first paint first. The program ends through a quit callback (VXinterfaceexit), the
 * window's close box, the end of a replay script, or a fatal error. */
void VXmainloop(void) VX_NORETURN;

/* From inside a callback: dispatches the presses, releases, keys and repaints that are
 * waiting, up to the next timer tick, then returns. */
void VXprocessevents(void);

/* Ends the program. Without a format (null): closes the window and exits with status 0
 * (-1 when a screenshot asked for with --vx-screenshot could not be written). With one:
 * the formatted text, cut to 255 characters, is reported as a fatal error. */
void VXinterfaceexit(const char* format, ...) VX_PRINTF(1, 2) VX_NORETURN;

/* Joins argv[1] to argv[argc - 1] into one command-line text for VXinterfaceinit, with
 * double quotes around words that hold blanks or quotes, so that the library reads back
 * exactly the arguments. The text stays valid until the next call. */
const char* VXcommandline(int argc, char** argv);

/* Files, with paths written with "/" separators on every platform. */
FILE* VXopenfile(const char* path, const char* mode);
int32_t VXfilesize(FILE* stream);

/* A button's rectangle in main-window pixels and its state; null outputs are skipped. */
void VXgetbuttonrect(const char* window, const char* button, int* x, int* y, int* width,
                     int* height, int* state);

/* Colours. VXwritepalette writes entries 0 to 15 of a table of red, green and blue
 * components to "palette.txt", for debugging. VXgetlistcolor gives the palette index
 * at position 0 to 4 of colour list 0 to 4; anything outside them gives 0. */
void VXwritepalette(const unsigned char (*table)[3]);
unsigned char VXgetlistcolor(int list, int position);

/* The pointer position relative to the current window's outer corner (not its
 * interior); returns the y value. Null outputs are skipped. */
int VXwgetpointer(int* x, int* y);

/* Keys. The keyboard handler is a function the description declares (a function
 * statement); it is called with the pointer relative to the current window and the key
 * code. Control-Q ends the program and Control-T switches VXmovepointer's step (5 or 25
 * pixels); neither reaches the handler. VXmovepointer moves the pointer position with
 * an arrow-key code; a step nearer than 8 pixels to the screen's edge undoes the call. */
void VXsetkeyboardhandler(const char* function);
void VXclearkeyboardhandler(void);
void VXmovepointer(int key);

/* Drawing in the current window's coordinates, clipped to its interior, in the current
 * colour. VXwfillpoly moves the caller's points (count x, y pairs) into main-window
 * pixels in place. VXwrect and VXwellipse draw unless width and height are both 0;
 * their filled forms only when both are nonzero. VXwclearrect fills the inside of the
 * rectangle (its outline stays) in the window's background colour. The xor forms draw
 * in white with exclusive-or: drawn twice, the figure is gone. */
void VXwdrawrow(int x, int y, const unsigned char* indexes, int count);
void VXwpoint(int x, int y);
unsigned char VXwgetpixel(int x, int y);
void VXwline(int x1, int y1, int x2, int y2);
void VXwfillpoly(int count, int32_t* points);
void VXwrect(int x, int y, int width, int height);
void VXwfillrect(int x, int y, int width, int height);
void VXwellipse(int x, int y, int width, int height);
void VXwfillellipse(int x, int y, int width, int height);
void VXwclearrect(int x, int y, int width, int height);
void VXwsetpointer(int x, int y);
void VXwxorline(int x1, int y1, int x2, int y2);
void VXwxorrect(int x, int y, int width, int height);

/* Frames two pixels wide just outside a field (in the named window, or the current one
 * for null) or a drag area: c1 on top and left, c2 on bottom and right. */
void VXframefield(const char* window, const char* field, unsigned char c1, unsigned char c2);
void VXframedragarea(const char* window, const char* dragarea, unsigned char c1, unsigned char c2);

/* Moves (and resizes) a window or popup, holding its right and bottom edges on the
 * screen; null pointers leave a value alone. Nothing is redrawn. */
void VXsetwindoworigin(const char* window, const int* left, const int* top, const int* width,
                       const int* height);
void VXsetmenuorigin(const char* popup, const int* left, const int* top);

/* The drawing state: the colour every drawing and writing operation uses (a palette
 * index), the font of written text (VXFONTNORMAL or VXFONTBOLD), the width in pixels of
 * a text in that font; and a short beep. */
#define VXFONTNORMAL 10
#define VXFONTBOLD 15
void VXsetcolor(unsigned char index);
unsigned char VXcurrentcolor(void);
void VXsetfont(int code);
int VXtextwidth(const char* text);
void VXbeep(void);

/* Text in the current window: x is one pixel left of the text's first column, y its
 * baseline, in the current colour and font; nothing is erased first. VXwwritemsg writes
 * a message of the description. VXwwriteclippedmsg cuts the text to a box (clip_y is
 * measured like a baseline; one pixel is kept free at each side) and draws nothing,
 * after a warning for each, when the box is bad. The numbers: VXwwritecommanum whole,
 * with commas between groups of three digits; VXwwritefloat with a field width and a
 * precision; VXwwritelong with a field width (negative: aligned left). Formatted
 * results are cut to 83 characters. */
void VXwwritetext(int x, int y, const char* text);
void VXwwritemsg(int x, int y, const char* message);
void VXwwriteclippedmsg(int clip_x, int clip_y, int clip_wd, int clip_ht, int x, int y,
                        const char* text);
void VXwwritecommanum(int x, int y, double value);
void VXwwritefloat(int width, int precision, int x, int y, double value);
void VXwwritelong(int width, int x, int y, int32_t value);

/* The message window "message": message number n (n > 0) shows the messages "hm" 10n,
 * 10n + 1 and 10n + 2 as three lines; -1 shows the current one again, -2 the previous
 * one; 0 shows nothing. The same number twice draws once. */
void VXmessage(int n);

/* Shows message n, then the window "alert" modally (with a beep, saving what it covers
 * when store is 1) unless it is up already, and writes the texts of the named messages
 * in it, one a line; the list of names ends with "". VXvalert takes the names as a
 * va_list, for wrappers. Hiding "alert" takes it down. */
void VXalert(int n, int store, ...);
void VXvalert(int n, int store, va_list names);

/* The help viewer in the window "help", whose buttons "helpnext" and "helpprev" it
 * enables, disables or hides: mode 0 shows it (modally, saving what it covers when store
 * is 1) at the file's first page, 1 the next page, 2 the previous one, 3 the same one
 * again; pages hold 25 lines or end at a form feed. Shows message n first. Returns 1, or
 * 0 when the file cannot be opened ("Unable to open this help file" is shown). */
int VXhelp(const char* file, int mode, int store, int n);

/* Writes the first line of the file that begins with "Version" at the field "VERSION"
 * of the window "root"; the line is read once. Returns 0 when there is none to show. */
int VXversion(const char* file);

/* The state of the interface (levels and states of windows, buttons, popups and items,
 * and check marks) written to and read from a stream the caller opened ("wb", "rb"):
 * 4-byte little-endian integers in table order. A failed value, or a loaded one its
 * field cannot hold, is a warning; the rest go on. */
void VXsavestate(FILE* stream);
void VXloadstate(FILE* stream);

/* RL4 pictures. VXgetpicturesize reads a file's rows and columns. VXloadpicture reads a
 * whole file into the caller's buffer, which must hold VXfilesize(file) - 8 bytes, and
 * fills the Picture; 1 when loaded, 0 when the file is not a picture it can use. The
 * pixel readers give the values of count pixels of a row from a column on: from a loaded
 * picture, -1 in every slot past the row or outside the picture; from a file, slots past
 * the row are left alone. Files are opened by the caller ("rb") and rewound by each
 * operation. */
void VXgetpicturesize(FILE* file, uint16_t* rows, uint16_t* cols);
int VXloadpicture(FILE* file, Picture* picture, unsigned char* buffer);
void VXgetpicturepixel(const Picture* picture, int32_t column, int32_t row, int16_t* values,
                       int32_t count);
void VXgetfilepixel(FILE* file, uint32_t column, int32_t row, int16_t* values, uint32_t count);

/* Turns a pixel value into a palette index (the low 8 bits of the result count):
 * VXpicturemap is told the screen column in the drawn area, the picture row from the
 * start row and the repetition within the magnification; VXfilepicturemap only the
 * value. Without one, the index is the value's low 8 bits. */
typedef int (*VXpicturemap)(uint16_t value, int column, int row, int repeat);
typedef int (*VXfilepicturemap)(uint16_t value);

/* Draws a picture at (x, y) of the current window, width screen pixels by height screen
 * rows from picture column c0 and row r0: a loaded one magnified by a whole factor, or
 * one straight from its file (at most 640 columns). What no picture pixel reaches is
 * drawn in index 255. */
void VXdrawpicture(const Picture* picture, int x, int y, int width, int height, int c0, int r0,
                   int factor, VXpicturemap map);
void VXdrawfilepicture(FILE* file, int x, int y, int width, int height, int c0, int r0,
                       VXfilepicturemap map);

/* What the user did last: a button or drag area used, a popup item chosen, or a popup
 * dismissed. VXclearlastaction sets kind 0 and value -1, keeping the time. */
void VXgetlastaction(LastAction* action);
void VXclearlastaction(void);

/* Objects by name. Outputs passed as null pointers are skipped; setters take each
 * value from its non-null pointer. A name missing from its table is fatal. */
void VXgetwindowinfo(const char* window, int* left, int* top, int* width, int* height, int* active);
void VXgetbuttoninfo(const char* window, const char* button, int* left, int* top, int* width,
                     int* height, int* active);
void VXgetdragareainfo(const char* window, const char* dragarea, int* left, int* top, int* width,
                       int* height, int* active, unsigned char* face);
void VXsetbuttoninfo(const char* window, const char* button, const int* left, const int* top,
                     const int* width, const int* height, const unsigned char* face);
void VXsetbuttonlabel(const char* window, const char* button, const char* label);
void VXgetfieldinfo(const char* field, int* left, int* top, int* width, int* height,
                    unsigned char* color);
void VXsetfieldinfo(const char* field, const int* left, const int* top, const int* width,
                    const int* height, const unsigned char* color);
void VXactivatefunction(const char* function);
void VXdeactivatefunction(const char* function);
int VXgetmenuitemindex(const char* popup, const char* item);
const char* VXgetmenuitemname(const char* popup, int index);
const char* VXgetmsgtext(const char* message);
unsigned char VXgetcolor(const char* color);
char* VXgetcurrentwindow(char* buffer);
/* The current window's name, without a buffer to overrun. */
const char* VXgetcurrentwindowname(void);

/* Windows. */
void VXselectwindow(const char* window);
void VXshowwindow(const char* window, int store, int modal);
void VXhidewindow(const char* window);
void VXhidecurrentwindow(void);
void VXactivatewindow(const char* window);
void VXdeactivatewindow(const char* window);
void VXredrawwindow(const char* window);
void VXredrawall(void);

/* Buttons; the screen changes only when redraw is exactly 1. */
void VXenablebutton(const char* window, const char* button, int redraw);
void VXshowbutton(const char* window, const char* button, int redraw);
void VXdisablebutton(const char* window, const char* button, int redraw);
void VXhidebutton(const char* window, const char* button, int redraw);

/* Popup menus and their items. */
void VXopenpopup(const char* popup);
void VXenablemenuitem(const char* popup, const char* item);
void VXdisablemenuitem(const char* popup, const char* item);
void VXshowmenuitem(const char* popup, const char* item);
void VXhidemenuitem(const char* popup, const char* item);
void VXtogglemenuitemcheck(const char* popup, const char* item);

#ifdef __cplusplus
}
#endif

#endif
