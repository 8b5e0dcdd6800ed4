// Backing stores: their sizes, claiming them, and hiding windows.
#include "render/stores.h"

#include "render/buttons.h"
#include "render/fixture_colors.h"
#include "render/render_fixture.h"
#include "render/windows.h"
#include "vx.h"

using namespace vxtest;

namespace {

class BackingStores : public RenderTest {
 protected:
  vx::Window& window(const char* name, int left, int top, int width, int height, int store) {
    vx::Window& w = builder.window(name, left, top, width, height);
    w.bstore = store;
    w.bgcolor = BG;
    w.active = 0;
    return w;
  }
  void popup(int width, int items) {
    builder.popup("p", 0, 0).width = width;
    for (int i = 0; i < items; i++) builder.item("i", "i").active = i == 0 ? -1 : 1;
  }
  ModelBuilder builder;
};

TEST_F(BackingStores, TwoWindowsOnOneStoreMaximiseEachDirection) {
  window("a", 0, 0, 300, 100, 3);
  window("b", 0, 0, 100, 200, 3);
  window("c", 0, 0, 50, 60, 5);
  window("none", 0, 0, 600, 400, 0);
  builder.build();
  auto sizes = vx::storesizes(BSTORE);
  EXPECT_EQ(sizes[3].width, 300);
  EXPECT_EQ(sizes[3].height, 200);
  EXPECT_EQ(sizes[5].width, 50);
  EXPECT_EQ(sizes[5].height, 60);
  for (int n : {1, 2, 4}) {
    EXPECT_EQ(sizes[n].width, 0) << n;
    EXPECT_EQ(sizes[n].height, 0) << n;
  }
}

// Every item counts for the height, hidden ones too.
TEST_F(BackingStores, PopupsAndAWindowShareStoreOne) {
  popup(80, 4);
  popup(120, 2);
  window("w", 0, 0, 200, 30, 1);
  builder.build();
  auto on = vx::storesizes(BSTORE);
  EXPECT_EQ(on[1].width, 200);
  EXPECT_EQ(on[1].height, 67);
  auto off = vx::storesizes(0);
  EXPECT_EQ(off[1].width, 120);
  EXPECT_EQ(off[1].height, 67);
}

TEST_F(BackingStores, StoreNumbersOutsideOneToFiveAreFatalOnlyWithTheSwitch) {
  window("w", 0, 0, 20, 20, 6);
  builder.build();
  auto off = vx::storesizes(0);
  for (int n = 1; n <= vx::NSTORES; n++) EXPECT_EQ(off[n].width, 0);
  EXPECT_FATAL(vx::storesizes(BSTORE), "Error:  can't have bstore # 6",
               banner() + "Error:  can't have bstore # 6");
  vx::model.Win[0].bstore = -2;
  EXPECT_FATAL(vx::initstores(BSTORE), "Error:  can't have bstore # -2",
               banner() + "Error:  can't have bstore # -2");
}

TEST_F(BackingStores, AStoreNobodyNeedsGetsNoBitmap) {
  window("w", 0, 0, 20, 20, 2);
  builder.build();
  vx::initstores(0);  // the switch is off: the window does not count
  EXPECT_EQ(vx::render.bstoreswitch, 0);
  EXPECT_FATAL(VXPsavestore(2, 0, 0, 20, 20), "Error:  attempt to copy from null bstore 2.\n",
               banner() + "Error:  attempt to copy from null bstore 2.\n");
  EXPECT_FATAL(VXPsavestore(1, 0, 0, 20, 20), "Error:  attempt to copy from null bstore 1.\n",
               banner() + "Error:  attempt to copy from null bstore 1.\n");
}

// Draws a pattern so that a restore that is off by a pixel shows.
void pattern() {
  for (int y = 0; y < VXPHEIGHT; y += 3)
    for (int x = (y / 3) % 7; x < VXPWIDTH; x += 7) {
      VXPsetcolor(static_cast<std::uint8_t>(1 + (x * 7 + y) % 200));
      VXPfillrect(x, y, 2, 2);
    }
}

// Taller than wide, so that no side is cut to the other's length.
TEST_F(BackingStores, HidingPutsBackWhatTheWindowCoveredByteForByte) {
  window("root", 0, 0, 640, 480, 0).active = 1;
  window("w", 101, 53, 77, 150, 2).borderwidth = 3;
  builder.build();
  vx::initstores(BSTORE);
  vx::setcurrentwindow(0);
  pattern();
  std::vector<std::uint32_t> before = snapshot();
  vx::claimwindowstore(1);
  EXPECT_TRUE(vx::storeoccupied(2));
  vx::model.Win[1].saved = 1;
  vx::model.Win[1].active = 1;
  vx::drawwindow(1);
  EXPECT_FALSE(changed(before).empty());
  vx::hidewindow(1);
  EXPECT_TRUE(changed(before).empty());
  EXPECT_FALSE(vx::storeoccupied(2));
  EXPECT_EQ(vx::model.Win[1].active, 0);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  // Free again: the window can be shown with its store once more.
  vx::claimwindowstore(1);
  EXPECT_TRUE(vx::storeoccupied(2));
}

// A window made larger after start-up saves and restores only what its store holds.
TEST_F(BackingStores, AWindowGrownPastItsStoreSavesWhatFits) {
  window("root", 0, 0, 640, 480, 0).active = 1;
  window("w", 100, 100, 50, 40, 4);
  builder.build();
  vx::initstores(BSTORE);
  vx::setcurrentwindow(0);
  pattern();
  std::vector<std::uint32_t> before = snapshot();
  vx::model.Win[1].width = 300;
  vx::model.Win[1].height = 200;
  vx::claimwindowstore(1);
  vx::model.Win[1].saved = 1;
  vx::model.Win[1].active = 1;
  vx::drawwindow(1);
  vx::hidewindow(1);
  Pixels stale = changed(before);
  EXPECT_FALSE(stale.empty());
  for (auto [x, y] : stale) EXPECT_FALSE(x < 150 && y < 140) << x << "," << y;
}

TEST_F(BackingStores, ClaimNeedsTheSwitchAndAFreeStore) {
  window("root", 0, 0, 640, 480, 0);
  window("w", 10, 10, 50, 50, 2);
  builder.build();
  vx::initstores(0);
  const char* noswitch =
      "Error - interface was not initialized withbacking store.\nIn VXinterfaceinit, pass "
      "BSTORE as the bstore argument.\n";
  EXPECT_FATAL(vx::claimwindowstore(1), noswitch, banner() + noswitch);
  vx::initstores(BSTORE);
  vx::claimwindowstore(1);
  EXPECT_FATAL(vx::claimwindowstore(1), "Error - backing store 2 is already occupied.\n",
               banner() + "Error - backing store 2 is already occupied.\n");
}

TEST_F(BackingStores, HidingAWindowNotShownOnlyMakesWindowZeroCurrent) {
  window("root", 0, 0, 640, 480, 0).active = 1;
  window("w", 10, 10, 50, 50, 2).saved = 1;
  builder.build();
  vx::initstores(BSTORE);
  vx::claimwindowstore(1);
  vx::setcurrentwindow(1);
  std::vector<std::uint32_t> before = snapshot();
  vx::hidewindow(1);
  EXPECT_EQ(vx::currentwindowindex(), 0);
  EXPECT_TRUE(vx::storeoccupied(2));
  EXPECT_TRUE(changed(before).empty());
}

TEST_F(BackingStores, HidingAModalWindowLowersTheLevelAndResumesTheButtonsBelow) {
  window("root", 0, 0, 640, 480, 0).active = 1;
  vx::Button& b = builder.button("b", 10, 10, 60, 20);
  b.activecolor = LABEL;
  b.inactivecolor = DIMLABEL;
  window("other", 300, 0, 100, 100, 0).active = 3;  // at another level: stays suspended
  builder.button("c", 10, 10, 60, 20).active = vx::BUTTON_SUSPENDED;
  window("modal", 100, 100, 100, 100, 0);
  builder.build();
  vx::drawwindow(0);
  vx::suspendbuttons(0);
  vx::render.shownlevel = 2;
  vx::model.Win[2].active = 2;
  vx::model.Win[2].modal = 1;
  vx::hidewindow(2);
  EXPECT_EQ(vx::render.shownlevel, 1);
  EXPECT_EQ(vx::model.Win[0].wb[0].active, vx::BUTTON_ACTIVE);
  EXPECT_EQ(vx::model.Win[1].wb[0].active, vx::BUTTON_SUSPENDED);
  EXPECT_TRUE(ink(DIMLABEL).empty());
  EXPECT_FALSE(ink(LABEL).empty());
  EXPECT_EQ(vx::model.Win[2].active, 0);
  // Made active again without being shown, then hidden: the level stays.
  vx::model.Win[2].active = 1;
  vx::hidewindow(2);
  EXPECT_EQ(vx::render.shownlevel, 1);
}

TEST_F(BackingStores, HidingTwiceAfterReactivationDoesNotReleaseAStoreItNoLongerHolds) {
  window("root", 0, 0, 640, 480, 0).active = 1;
  window("w", 10, 10, 50, 50, 1);
  builder.build();
  vx::initstores(BSTORE);
  vx::claimwindowstore(1);
  vx::model.Win[1].saved = 1;
  vx::model.Win[1].active = 1;
  vx::hidewindow(1);
  vx::setstoreoccupied(1, true);  // a popup holds store 1 now
  vx::model.Win[1].active = 1;
  vx::hidewindow(1);
  EXPECT_TRUE(vx::storeoccupied(1));
}

}  // namespace
