// Looking at and changing objects by name, without drawing.
#include <string>
#include <vector>

#include "model/model.h"
#include "ops/ui_fixture.h"
#include "render/platform/framebuffer.h"
#include "support/interface_fixture.h"
#include "vx.h"

using vx::model;
using vxtest::banner;
using vxtest::UI;

namespace {

class Queries : public vxtest::InterfaceTest {};

TEST_F(Queries, GettersFillOnlyTheOutputsGiven) {
  bringup(UI);
  int left = -1, top = -1, width = -1, height = -1, active = -1;
  VXgetwindowinfo("PANEL", &left, nullptr, &width, nullptr, &active);
  EXPECT_EQ(left, 100);
  EXPECT_EQ(width, 200);
  EXPECT_EQ(active, 1);
  VXgetbuttoninfo("panel", "go", &left, &top, &width, &height, &active);
  EXPECT_EQ(left, 10);
  EXPECT_EQ(top, 10);
  EXPECT_EQ(width, 50);
  EXPECT_EQ(height, 20);
  EXPECT_EQ(active, 1);
  unsigned char face = 0;
  VXgetdragareainfo("panel", "pad", nullptr, &top, nullptr, nullptr, nullptr, &face);
  EXPECT_EQ(top, 40);
  EXPECT_EQ(face, 6);
  VXgetbuttoninfo("panel", "go", nullptr, nullptr, nullptr, nullptr, nullptr);

  unsigned char color = 0;
  VXgetfieldinfo("status", &left, &top, &width, &height, &color);
  EXPECT_EQ((std::vector<int>{left, top, width, height}), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_EQ(color, 7);
}

TEST_F(Queries, SettersChangeTheModelButNotTheScreen) {
  bringup(UI);
  VXredrawall();
  const std::vector<std::uint32_t> before(std::begin(vx::platform::framebuffer),
                                          std::end(vx::platform::framebuffer));
  int left = 30;
  unsigned char face = 2;
  VXsetbuttoninfo("panel", "go", &left, nullptr, nullptr, nullptr, &face);
  VXsetbuttonlabel("panel", "go", "Gone");
  const vx::Button& go = model.Win[1].wb[0];
  EXPECT_EQ(go.left, 30);
  EXPECT_EQ(go.top, 10);
  EXPECT_EQ(go.facecolor, 2);
  EXPECT_STREQ(go.label, "Gone");
  int width = 9;
  unsigned char color = 1;
  VXsetfieldinfo("status", nullptr, nullptr, &width, nullptr, &color);
  EXPECT_EQ(model.fields[0].width, 9);
  EXPECT_EQ(model.fields[0].left, 5);
  EXPECT_EQ(model.fields[0].color, 1);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), vx::platform::framebuffer));
}

TEST_F(Queries, FunctionsItemsMessagesAndColours) {
  bringup(UI);
  VXdeactivatefunction("TICK");
  EXPECT_EQ(model.functions[0].perevent, 0);
  VXactivatefunction("tick");
  EXPECT_EQ(model.functions[0].perevent, 1);

  EXPECT_EQ(VXgetmenuitemindex("menu", "three"), 2);  // the hidden item counts
  EXPECT_STREQ(VXgetmenuitemname("menu", 1), "two");
  EXPECT_EQ(VXgetmenuitemname("menu", 3), nullptr);
  EXPECT_EQ(VXgetmenuitemname("menu", -1), nullptr);

  EXPECT_STREQ(VXgetmsgtext("HELLO"), "Hello");
  EXPECT_STREQ(VXgetmsgtext("nothing"), "");

  EXPECT_EQ(VXgetcolor("BLACK"), 0);
  EXPECT_EQ(VXgetcolor("sky"), 6);
  EXPECT_EQ(VXgetcolor("broken"), 15);
  EXPECT_EQ(VXgetcolor("nothing"), 255);

  VXselectwindow("panel");
  char name[32] = "";
  EXPECT_EQ(VXgetcurrentwindow(name), name);
  EXPECT_STREQ(name, "panel");
  EXPECT_STREQ(VXgetcurrentwindowname(), "panel");
}

// An item's state and check mark, read back by name.
std::vector<int> item(const char* name) {
  int state = 9, checked = 9;
  EXPECT_EQ(VXgetiteminfo("MENU", name, &state, &checked), 1) << name;
  return {state, checked};
}

TEST_F(Queries, ItemStatesAndTheOpenPopup) {
  bringup(UI);
  EXPECT_EQ(item("two"), (std::vector<int>{-1, 0}));
  VXenablemenuitem("menu", "three");
  EXPECT_EQ(item("three"), (std::vector<int>{1, 1}));
  VXdisablemenuitem("menu", "one");
  EXPECT_EQ(item("one"), (std::vector<int>{0, 0}));
  VXshowmenuitem("menu", "two");
  EXPECT_EQ(item("two")[0], 1);
  VXhidemenuitem("menu", "two");
  EXPECT_EQ(item("two")[0], -1);
  VXtogglemenuitemcheck("menu", "three");
  EXPECT_EQ(item("three")[1], 0);
  VXtogglemenuitemcheck("menu", "one");
  EXPECT_EQ(item("one")[1], 1);
  // A name that is not there is an answer, not a fatal report.
  EXPECT_EQ(VXgetiteminfo("menu", "four", nullptr, nullptr), 0);
  EXPECT_EQ(VXgetiteminfo("none", "one", nullptr, nullptr), 0);
  EXPECT_EQ(VXgetiteminfo(nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(VXgetiteminfo("menu", "one", nullptr, nullptr), 1);

  EXPECT_EQ(VXgetopenpopup(), nullptr);
  VXopenpopup("Menu");
  EXPECT_STREQ(VXgetopenpopup(), "menu");
}

TEST_F(Queries, NamesThatAreMissing) {
  struct Case {
    const char* what;
    void (*call)();
    std::string message;
  };
  const Case cases[] = {
      {"window", [] { VXselectwindow("nowhere"); },
       "getname: Couldn't find |window| named |nowhere|\n"},
      {"button", [] { VXenablebutton("root", "go", 1); },
       "getname: Couldn't find |button| named |go|\n"},
      {"field", [] { VXgetfieldinfo("none", nullptr, nullptr, nullptr, nullptr, nullptr); },
       "getname: Couldn't find |field| named |none|\n"},
      {"function", [] { VXactivatefunction("none"); },
       "getname: Couldn't find |function| named |none|\n"},
      {"popup", [] { VXopenpopup("none"); }, "getname: Couldn't find |popup| named |none|\n"},
      {"item", [] { VXhidemenuitem("menu", "none"); },
       "getname: Couldn't find |item| named |none|\n"},
      {"menu item", [] { VXgetmenuitemindex("menu", "none"); },
       "getname: Couldn't find |menu item| named |none|\n"},
      {"null item", [] { VXenablemenuitem("menu", nullptr); },
       "Error: no name given to 'VXenablemenuitem'.\n"},
      {"null item", [] { VXdisablemenuitem("menu", nullptr); },
       "Error: no name given to 'VXdisablemenuitem'.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FATAL(
        {
          bringup(UI);
          c.call();
        },
        c.message, banner() + c.message);
  }
}

}  // namespace
