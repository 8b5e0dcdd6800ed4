// Keys: the handler and its window-relative position, the two keys the library keeps,
// and moving the pointer with arrow codes.
#include <string>

#include "events/state.h"
#include "support/event_fixture.h"
#include "vx.h"

namespace {

class Keys : public vxtest::EventTest {};

const std::string SHIFTED =
    "popup(menu 400 100 white black dgray black 0 dismiss)\n"
    "plabel(one 1 press |One|)\n"
    "window(root 20 10 600 400 black white black 0 1 0)\n"
    "function(keys 0 0)\n";

TEST_F(Keys, TheHandlerGetsThePositionInTheCurrentWindowAndEveryKeyButTwo) {
  bringup(SHIFTED);
  move(100, 50);
  key('a');  // no handler yet: dropped
  VXsetkeyboardhandler("KEYS");
  key('a');
  key(ARROWLEFT);
  key(8);
  key(20);  // Control-T, kept by the library
  key(13);
  VXclearkeyboardhandler();
  key('b');
  EXPECT_EQ(calls(), "keys(80, 40, 97); keys(80, 40, 28); keys(80, 40, 8); keys(80, 40, 13)");
  // Control-Q ends the program, with a popup open too.
  VXopenpopup("menu");
  const char* end = "Program terminated by the user pressing 'Control-Q'.";
  EXPECT_FATAL(key(17), end, vxtest::banner() + end);
}

TEST_F(Keys, MovingThePointerStopsShortOfTheEdges) {
  bringup(SHIFTED);
  move(100, 100);
  VXmovepointer(ARROWLEFT);
  EXPECT_EQ(vx::events.pointerx, 95);
  key(20);  // Control-T: steps of 25
  VXmovepointer(ARROWDOWN);
  EXPECT_EQ(vx::events.pointery, 125);
  key(20);
  key(20);  // twice more: 25 again
  move(10, 100);
  VXmovepointer(ARROWLEFT);  // 9, 8, then 7 is refused: the whole call is undone
  VXmovepointer('x');
  EXPECT_EQ(vx::events.pointerx, 10);
  EXPECT_EQ(vx::events.pointery, 100);
}

}  // namespace
