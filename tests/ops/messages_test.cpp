// The message window and the alert window.
#include <string>
#include <vector>

#include "ops/library_windows.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "render/render_fixture.h"
#include "render/state.h"
#include "support/event_fixture.h"
#include "vx.h"

using vxtest::LIBRARYWINDOWS;

namespace {

class Messages : public vxtest::EventTest {
 protected:
  // The message window's text, as the three lines of message `n` look when drawn alone.
  static vxtest::Pixels lines(const std::string& a, const std::string& b, const std::string& c) {
    return vxtest::textpixels(vxtest::MESSAGEINK, vx::FONT_BOLD,
                              {{26, 412, a}, {26, 422, b}, {26, 432, c}});
  }
  static void scribble() {
    VXPsetclip(0, 0, 640, 480);
    VXPsetcolor(1);
    VXPfillrect(0, 400, 640, 80);
  }
};

TEST_F(Messages, NumbersShowTheirThreeLinesOnceAndTheHistoryGoesBackOne) {
  bringup(LIBRARYWINDOWS);
  VXmessage(1);
  EXPECT_EQ(vxtest::ink(vxtest::MESSAGEINK), lines("One a", "One b", "One c"));
  scribble();
  VXmessage(1);  // the same number: nothing drawn
  EXPECT_TRUE(vxtest::ink(vxtest::MESSAGEINK).empty());
  VXmessage(-1);  // the current one again
  EXPECT_EQ(vxtest::ink(vxtest::MESSAGEINK), lines("One a", "One b", "One c"));
  VXmessage(3);
  VXmessage(-2);  // back to 1, which becomes current; again: 1 still
  EXPECT_EQ(vxtest::ink(vxtest::MESSAGEINK), lines("One a", "One b", "One c"));
  VXmessage(-2);
  EXPECT_EQ(vxtest::ink(vxtest::MESSAGEINK), lines("One a", "One b", "One c"));
  scribble();
  VXmessage(0);  // only the number changes
  VXmessage(-1);
  EXPECT_TRUE(vxtest::ink(vxtest::MESSAGEINK).empty());

  // A popup keeps the message that was up when it opened.
  VXmessage(2);
  VXopenpopup("menu");
  VXmessage(3);
  vx::closepopup();
  EXPECT_EQ(vxtest::ink(vxtest::MESSAGEINK), lines("Two a", "Two b", "Two c"));
  EXPECT_FATAL(VXmessage(9), "getname: Couldn't find |message| named |hm90|\n",
               vxtest::banner() + "getname: Couldn't find |message| named |hm90|\n");
}

TEST_F(Messages, TheAlertComesUpModallyOnceAndShutsOutTheWindowsBelow) {
  bringup(LIBRARYWINDOWS);
  int beeps = vx::platform::headless::beeps();
  VXalert(1, 1, "warn", "nothere", "warn", "");
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 1);
  EXPECT_EQ(vx::render.shownlevel, 2);
  // Lines 15 apart from 15 below the alert's top; a name that is no message is a blank line.
  EXPECT_EQ(vxtest::ink(vxtest::ALERTINK),
            vxtest::textpixels(vxtest::ALERTINK, vx::FONT_BOLD,
                               {{107, 115, "Careful"}, {107, 145, "Careful"}}));
  click(20, 20);  // the root's button, below the alert
  EXPECT_EQ(calls(), "");
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 2);
  VXalert(2, 1, "warn", "");  // up already: no beep, the lines replaced
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 2);
  EXPECT_EQ(vxtest::ink(vxtest::ALERTINK),
            vxtest::textpixels(vxtest::ALERTINK, vx::FONT_BOLD, {{107, 115, "Careful"}}));
  VXhidewindow("alert");
  click(20, 20);
  EXPECT_EQ(calls(), "press(ok)");
  VXalert(1, 1, "");
  EXPECT_EQ(vx::platform::headless::beeps(), beeps + 3);  // down, so up again with a beep
}

}  // namespace
