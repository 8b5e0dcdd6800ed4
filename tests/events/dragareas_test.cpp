// Drag areas: a drag from its beginning to its end, a click, the areas under the
// pointer with their inside and leave calls, and what a modal window and a disabled
// area change.
#include <string>

#include "support/event_fixture.h"
#include "vx.h"

using vxtest::INPUT;

namespace {

class DragAreas : public vxtest::EventTest {};

TEST_F(DragAreas, ADragBeginsMovesAndEndsWhereverTheReleaseIs) {
  bringup(INPUT);
  // pad is at (20, 100), 200 x 100; inner at (50, 130), 50 x 50, inside it.
  press(30, 110);
  move(30, 110);  // no move: nothing
  move(40, 112);
  tick();  // a tick moves nothing
  move(45, 115);
  move(300, 300);  // out: no motion, one leave
  move(310, 300);
  release(320, 310);
  EXPECT_EQ(calls(),
            "drag(10, 10, 4); "
            "drag(20, 12, 1); drag(20, 12, 4); "
            "drag(25, 15, 2); drag(25, 15, 4); "
            "drag(280, 200, 6); "
            "drag(300, 210, 3, pad)");

  // Pressed and released in one place: a click, and no drag; of two areas, the later.
  click(60, 140);
  EXPECT_EQ(calls(), "drag(40, 40, 4); drag(10, 10, 4); drag(10, 10, 5, inner)");

  // A modal window shuts the areas out: they are dropped without a leave.
  VXshowwindow("dialog", 0, 1);
  move(61, 140);
  move(600, 400);
  EXPECT_EQ(calls(), "");
}

// A callback that disables the area it drags ends the press; the next press on it
// begins a new drag instead of going on with the old one.
TEST_F(DragAreas, ADisabledAreaEndsItsPressAndTheNextDragBeginsAfresh) {
  bringup(INPUT);
  press(30, 110);
  move(40, 110);
  VXdisablebutton("root", "pad", 0);
  release(40, 110);
  VXenablebutton("root", "pad", 0);
  press(30, 150);
  move(30, 160);  // straight down: a move all the same
  EXPECT_EQ(calls(),
            "drag(10, 10, 4); drag(20, 10, 1); drag(20, 10, 4); "
            "drag(10, 50, 4); drag(10, 60, 1); drag(10, 60, 4)");
}

TEST_F(DragAreas, TheEleventhAreaUnderThePointerIsFatal) {
  std::string text = "window(root 0 0 640 480 black white black 0 1 0)\n";
  for (int i = 0; i < 11; i++)
    text += "dragarea(a" + std::to_string(i) + " 10 10 50 50 white drag 1)\n";
  bringup(text);
  EXPECT_FATAL(
      move(20, 20), "Max = |10|\n",
      vxtest::banner() + "processmouseinside: Too many overlapping drag areas.Max = |10|\n");
}

}  // namespace
