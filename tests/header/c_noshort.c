/* The public header from C without its short type names: the program has types of its
 * own by those names, and the X Rendering Extension its Picture. */
#define VX_NO_SHORT_NAMES
#include <X11/extensions/Xrender.h>

#include "vx.h"

typedef struct Event {
  const char* what;
} Event;
typedef struct FunctionEntry {
  int row;
} FunctionEntry;
typedef double LastAction;

static int on_name(const char* name) { return name != 0; }
static int on_plain(void) { return 4; }

static const VXfunctionentry table[] = {
    VXNAMEENTRY("name_func", on_name),
    VXPLAINENTRY("plain_func", on_plain),
};

int c_noshort_check(void) {
  Picture xpicture = None;
  Event own = {"own"};
  FunctionEntry row = {2};
  LastAction seconds = 0.5;
  VXevent event = {KEYPRESS, ARROWUP, 1, 2};
  VXpicture picture = {0, 1, 0, 0, 0, 0};
  VXlastaction action = {0, "", "", {""}};
  return xpicture == None && own.what[0] == 'o' && row.row == 2 && seconds == 0.5 && event.y == 2 &&
         picture.runsize == 1 && action.kind == 0 && table[0].form == VXFORM_NAME &&
         table[1].call.plain() == 4;
}
