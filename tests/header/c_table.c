/* The public header from C: a callback table built with the C macros. */
#include "vx.h"

static int lastx, lasty, lastcode;
static const char* lastname;

static int on_name(const char* name) {
  lastname = name;
  return 1;
}

static int on_drag(int x, int y, int code, const char* name) {
  lastx = x;
  lasty = y;
  lastcode = code;
  lastname = name;
  return 2;
}

static int on_event(int x, int y, int arg) {
  lastx = x;
  lasty = y;
  lastcode = arg;
  return 3;
}

static int on_plain(void) { return 4; }

static int on_any(const VXcall* call) { return (int)call->role * 10 + *(int*)call->data; }

static int seven = 7;

static const FunctionEntry table[] = {
    VXNAMEENTRY("name_func", on_name),          VXDRAGENTRY("drag_func", on_drag),
    VXEVENTENTRY("event_func", on_event),       VXPLAINENTRY("plain_func", on_plain),
    VXGENERICENTRY("any_func", on_any, &seven),
};

void c_table_install(void) {
  Event e = {KEYPRESS, ARROWUP, 1, 2};
  (void)e;
  VXsetfunctiontable(table, (int)(sizeof table / sizeof table[0]));
}

int c_table_last(int which) {
  switch (which) {
    case 0: return lastx;
    case 1: return lasty;
    default: return lastcode;
  }
}

const char* c_table_lastname(void) { return lastname; }
