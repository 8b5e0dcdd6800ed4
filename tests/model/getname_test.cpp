// Finding objects by name, and the button rectangle query.
#include "model/getname.h"

#include "model/model.h"
#include "support/fixture.h"
#include "support/model_builder.h"

using vx::getname;
using vx::model;
using vxtest::banner;

namespace {

class Lookup : public vxtest::VxTest {
 protected:
  void SetUp() override {
    VxTest::SetUp();
    vxtest::ModelBuilder b;
    b.window("root", 10, 20, 300, 200);
    b.button("ok", 5, 6, 40, 20).active = 0;
    b.button("cancel", 50, 6, 40, 20);
    b.window("Root", 0, 0, 100, 100);  // a second window of the same name
    b.window("dialog", 100, 120, 200, 100);
    b.button("OK", 1, 2, 30, 15);
    b.popup("colors", 0, 0);
    b.item("red", "Red");
    b.window("A@Z[", 0, 0, 10, 10);  // the letters' first and last, and their neighbours
    b.build();
  }
};

TEST_F(Lookup, NamesMatchWithoutRegardToCaseAndTheFirstWins) {
  EXPECT_EQ(getname(model.Win, model.nwindows, "root"), 0);
  EXPECT_EQ(getname(model.Win, model.nwindows, "ROOT"), 0);
  EXPECT_EQ(getname(model.Win, model.nwindows, "Root", "window"), 0);
  EXPECT_EQ(getname(model.Win, model.nwindows, "DiAlOg", "window"), 2);
  EXPECT_EQ(getname(model.Win, model.nwindows, "a@z["), 3);
  EXPECT_EQ(getname(model.Win, model.nwindows, "A`Z["), -1);
  EXPECT_EQ(getname(model.Win, model.nwindows, "A@Z{"), -1);
  EXPECT_EQ(getname(model.Win, model.nwindows, "A@[["), -1);
}

TEST_F(Lookup, PrefixesDoNotMatch) {
  EXPECT_EQ(getname(model.Win, model.nwindows, "roo"), -1);
  EXPECT_EQ(getname(model.Win, model.nwindows, "roots"), -1);
  EXPECT_EQ(getname(model.Win, model.nwindows, ""), -1);
}

TEST_F(Lookup, ButtonsAreFoundWithinTheirOwnWindow) {
  const vx::Window& root = model.Win[0];
  const vx::Window& dialog = model.Win[2];
  EXPECT_EQ(getname(root.wb, root.nbuttons, "cancel"), 1);
  EXPECT_EQ(getname(dialog.wb, dialog.nbuttons, "cancel"), -1);
  EXPECT_EQ(getname(dialog.wb, dialog.nbuttons, "ok", "button"), 0);
}

TEST_F(Lookup, AKindedMissIsFatal) {
  const vx::Popup& colors = model.Popups[0];
  EXPECT_FATAL(getname(colors.item, colors.nitems, "blue", "menu item"),
               "getname: Couldn't find |menu item| named |blue|\n",
               banner() + "getname: Couldn't find |menu item| named |blue|\n");
}

TEST_F(Lookup, AnEmptyTableFindsNothing) {
  EXPECT_EQ(model.nfields, 0);
  EXPECT_EQ(model.fields, nullptr);
  EXPECT_EQ(getname(model.fields, model.nfields, "status"), -1);
  EXPECT_FATAL(getname(model.fields, model.nfields, "status", "field"),
               "getname: Couldn't find |field| named |status|\n",
               banner() + "getname: Couldn't find |field| named |status|\n");
}

TEST_F(Lookup, ButtonRectangleIsInMainWindowPixels) {
  int x = 0, y = 0, w = 0, h = 0, state = 9;
  VXgetbuttonrect("DIALOG", "ok", &x, &y, &w, &h, &state);
  EXPECT_EQ(x, 101);
  EXPECT_EQ(y, 122);
  EXPECT_EQ(w, 30);
  EXPECT_EQ(h, 15);
  EXPECT_EQ(state, 1);
  VXgetbuttonrect("root", "ok", &x, nullptr, nullptr, nullptr, &state);
  EXPECT_EQ(x, 15);
  EXPECT_EQ(state, 0);
  EXPECT_FATAL(VXgetbuttonrect("root", "help", &x, &y, &w, &h, &state),
               "getname: Couldn't find |button| named |help|\n",
               banner() + "getname: Couldn't find |button| named |help|\n");
}

TEST(ModelTables, AreAllocatedOnceAtTheirFinalSizes) {
  vx::ModelCounts counts;
  counts.nwindows = 2;
  counts.buttons[0] = 3;
  counts.graphics[1] = 4;
  counts.npopups = 1;  // a popup without items is allowed
  vx::allocatemodel(counts);
  ASSERT_EQ(model.nwindows, 2);
  EXPECT_EQ(model.Win[0].nbuttons, 3);
  EXPECT_NE(model.Win[0].wb, nullptr);
  EXPECT_EQ(model.Win[0].ngraphics, 0);
  EXPECT_EQ(model.Win[0].graphics, nullptr);
  EXPECT_EQ(model.Win[1].ngraphics, 4);
  EXPECT_EQ(model.Win[1].wb, nullptr);
  EXPECT_EQ(model.Win[1].graphics[3].text, nullptr);  // records start zeroed
  EXPECT_EQ(model.Popups[0].nitems, 0);
  EXPECT_EQ(model.Popups[0].width, 0);
  EXPECT_EQ(model.functions, nullptr);
}

}  // namespace
