// Drawing a description whose numbers are the largest and smallest a file can hold:
// exact pixels where the figures cross the screen, no overflow (the sanitizer build
// checks), and borders of any width drawn at the cost of the screen.
#include <climits>
#include <string>
#include <utility>

#include "model/colors.h"
#include "render/platform/platform.h"
#include "render/popups.h"
#include "support/interface_fixture.h"
#include "vx.h"

namespace {

class Extremes : public vxtest::InterfaceTest {};

// MAX and MIN stand for INT_MAX and INT_MIN.
constexpr const char* EXTREMES =
    "popup(menu MAX MAX black dgray white black 0)\n"
    "plabel(a 1 press |A|)\n"
    "popup(other MIN MIN black dgray white black 1)\n"
    "plabel(b 1 press |B| 1)\n"
    "window(root 10 10 620 460 black white black 1 1 0)\n"
    "button(far |Far| MAX MAX MAX MAX black dgray lgray press 1 1 0 C)\n"
    "button(wide |Two@lines| MIN MIN MAX MAX black dgray lgray press 1 1 1 L)\n"
    "button(turned |\\^| MIN MIN MIN MIN black dgray lgray press 1 1 1 R)\n"
    "button(arrow |\\v| 10 10 MAX MAX black dgray lgray @menu 1 1 1 C)\n"
    "dragarea(pad MIN MIN MAX MAX white drag 1)\n"
    "label(MAX MAX black |Bold| white)\n"
    "labels(MIN MIN black |Normal|)\n"
    "rect(MAX MAX MAX MAX black 1 fill)\n"
    "rect(MIN MIN MAX MAX black 2 outline)\n"
    "line(MAX MAX MIN MIN 1 peach)\n"
    "line(MIN MAX MAX MIN 2 black)\n"
    "window(thick 20 300 100 100 black white lblue MAX 0 0)\n"
    "window(away MAX MAX MAX MAX black white black MAX 0 0)\n"
    "window(back MIN MIN MIN MIN black white black MIN 0 0)\n";

std::string extremes() {
  std::string text = EXTREMES;
  for (auto [word, value] : {std::pair{"MAX", INT_MAX}, std::pair{"MIN", INT_MIN}})
    for (std::size_t at; (at = text.find(word)) != std::string::npos;)
      text.replace(at, 3, std::to_string(value));
  return text;
}

TEST_F(Extremes, EverythingDrawsExactlyWhereItCrossesTheScreen) {
  bringup(extremes());
  VXredrawall();
  for (const char* w : {"thick", "away", "back"}) VXshowwindow(w, 0, 0);
  for (const char* p : {"menu", "other"}) {
    VXopenpopup(p);
    vx::highlightpopup(INT_MAX, INT_MAX);
    vx::highlightpopup(INT_MIN, INT_MIN);
    vx::closepopup();
  }
  // The peach line runs from (10 + INT_MAX, 10 + INT_MAX) to (10 + INT_MIN, 10 + INT_MIN):
  // the screen's diagonal, as if nothing had been cut.
  EXPECT_EQ(VXPgetpixel(200, 200), vx::convertcolor("peach"));
  EXPECT_NE(VXPgetpixel(201, 200), vx::convertcolor("peach"));
  // A border of INT_MAX pixels fills its window, outline by outline.
  for (int y = 300; y < 400; y += 7)
    for (int x = 20; x < 120; x += 7) ASSERT_EQ(VXPgetpixel(x, y), vx::convertcolor("lblue"));

  // Positions handed back to the application are the nearest an int holds.
  int x = 0, y = 0, width = 0, height = 0, state = 0;
  VXgetbuttonrect("root", "far", &x, &y, &width, &height, &state);
  EXPECT_EQ(x, INT_MAX);
  EXPECT_EQ(y, INT_MAX);
  EXPECT_EQ(width, INT_MAX);
}

}  // namespace
