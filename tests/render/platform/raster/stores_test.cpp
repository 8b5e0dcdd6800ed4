// Backing stores: saving screen rectangles and putting them back.
#include "render/platform/raster/raster_fixture.h"

namespace {

class StoreBitmaps : public vxtest::Raster {
 protected:
  // A recognisable picture in the top left corner.
  static void drawpattern() {
    std::uint8_t row[64];
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) row[x] = static_cast<std::uint8_t>((x + y) % 8);
      VXPputrow(0, y, row, 64);
    }
  }
};

TEST_F(StoreBitmaps, RestoringPutsTheSavedRectangleBack) {
  usetestpalette();
  drawpattern();
  auto before = snapshot();
  ASSERT_EQ(VXPcreatestore(1, 100, 100), 1);
  ASSERT_EQ(VXPsavestore(1, 10, 10, 40, 30), 1);
  VXPsetcolor(vxtest::BLUE);
  VXPfillrect(0, 0, 640, 480);
  EXPECT_EQ(VXPrestorestore(1, 10, 10), 1);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      bool saved = x >= 10 && x < 50 && y >= 10 && y < 40;
      ASSERT_EQ(at(x, y), saved ? before[y * 640 + x] : 0x0000FCu) << x << "," << y;
    }
  }
}

TEST_F(StoreBitmaps, ASecondSaveIsRefusedAndKeepsTheFirstImage) {
  usetestpalette();
  drawpattern();
  auto before = snapshot();
  ASSERT_EQ(VXPcreatestore(2, 64, 64), 1);
  EXPECT_EQ(VXPsavestore(2, 0, 0, 64, 64), 1);
  VXPsetcolor(vxtest::RED);
  VXPfillrect(0, 0, 64, 64);
  EXPECT_EQ(VXPsavestore(2, 0, 0, 64, 64), 0);
  EXPECT_EQ(VXPrestorestore(2, 0, 0), 1);
  EXPECT_EQ(snapshot(), before);
  // Restored, the slot takes a new image again; restoring an empty slot copies nothing.
  EXPECT_EQ(VXPsavestore(2, 0, 0, 64, 64), 1);
  EXPECT_EQ(VXPrestorestore(2, 0, 0), 1);
  EXPECT_EQ(VXPrestorestore(2, 0, 0), 1);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreBitmaps, AStoreWithoutABitmapCannotSave) {
  EXPECT_EQ(VXPcreatestore(3, 0, 50), 1);
  EXPECT_EQ(VXPcreatestore(4, 50, -1), 1);
  EXPECT_FATAL(VXPsavestore(3, 0, 0, 10, 10), "Error:  attempt to copy from null bstore 3.\n",
               vxtest::banner() + "Error:  attempt to copy from null bstore 3.\n");
  EXPECT_FATAL(VXPsavestore(4, 0, 0, 10, 10), "Error:  attempt to copy from null bstore 4.\n",
               vxtest::banner() + "Error:  attempt to copy from null bstore 4.\n");
  EXPECT_EQ(VXPrestorestore(3, 0, 0), 1);
}

TEST_F(StoreBitmaps, SlotsOutsideOneToFiveAreFatal) {
  const std::string message = "Backing store 6 does not exist: the stores are numbered 1 to 5.\n";
  EXPECT_FATAL(VXPcreatestore(6, 10, 10), message, vxtest::banner() + message);
  const std::string zero = "Backing store 0 does not exist: the stores are numbered 1 to 5.\n";
  EXPECT_FATAL(VXPsavestore(0, 0, 0, 1, 1), zero, vxtest::banner() + zero);
  EXPECT_FATAL(VXPrestorestore(0, 0, 0), zero, vxtest::banner() + zero);
}

TEST_F(StoreBitmaps, AnImpossibleBitmapIsReportedAsFailure) {
  EXPECT_EQ(VXPcreatestore(5, 0x7FFFFFFF, 0x7FFFFFFF), 0);
  EXPECT_FATAL(VXPsavestore(5, 0, 0, 1, 1), "Error:  attempt to copy from null bstore 5.\n",
               vxtest::banner() + "Error:  attempt to copy from null bstore 5.\n");
}

// What lies off the screen or beyond the bitmap is not copied, and the clip holds.
TEST_F(StoreBitmaps, CopiesStayOnTheScreenTheBitmapAndTheClip) {
  usetestpalette();
  drawpattern();
  auto before = snapshot();
  ASSERT_EQ(VXPcreatestore(1, 20, 20), 1);
  EXPECT_EQ(VXPsavestore(1, -10, -10, 300, 300), 1);  // larger than the bitmap
  VXPsetcolor(vxtest::BLUE);
  VXPfillrect(0, 0, 640, 480);
  VXPrestorestore(1, -10, -10);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      bool kept = x < 10 && y < 10;
      ASSERT_EQ(at(x, y), kept ? before[y * 640 + x] : 0x0000FCu) << x << "," << y;
    }
  }

  // Saved at the corner, the bitmap's off-screen part holds the background; restored
  // further up and left under a clip, only the clip changes.
  VXPfillrect(0, 0, 640, 480);
  EXPECT_EQ(VXPsavestore(1, 630, 470, 20, 20), 1);
  VXPsetclip(0, 0, 5, 5);
  VXPrestorestore(1, -12, -12);
  EXPECT_EQ(VXPsavestore(1, 0, 0, 20, 20), 1);
  VXPrestorestore(1, 0x7FFFFFF0, 0x7FFFFFF0);
  EXPECT_EQ(inked(0x0000FC), boxpixels(0, 0, 5, 5));

  // A clip beside the rectangle, on the same rows: nothing at all is drawn.
  VXPsetclip(0, 0, 4, 480);
  auto beside = snapshot();
  EXPECT_EQ(VXPsavestore(1, 100, 100, 20, 20), 1);
  VXPrestorestore(1, 100, 100);
  EXPECT_EQ(snapshot(), beside);
}

TEST_F(StoreBitmaps, ClosingTheDrawingReleasesTheStores) {
  ASSERT_EQ(VXPcreatestore(1, 10, 10), 1);
  vx::platform::closedrawing();
  vx::platform::opendrawing();
  EXPECT_FATAL(VXPsavestore(1, 0, 0, 1, 1), "Error:  attempt to copy from null bstore 1.\n",
               vxtest::banner() + "Error:  attempt to copy from null bstore 1.\n");
}

}  // namespace
