#include "core/menu_geometry/menu_layout.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

class MenuLayoutTest : public ::testing::Test {
 protected:
  MenuLayoutTest() {
    ScreenInfo info;
    info.fullScreenWidth = 1366;
    info.fullScreenHeight = 768;
    screen = ComputeScreenMetrics(info);
    CalcRingLayout(ring, screen, {48, 64, 300, 24});
  }
  int Left(int members, int position) { return GetMenuLoc(true, members, position, Place()); }
  int Top(int members, int position) { return GetMenuLoc(false, members, position, Place()); }
  MenuPlace Place() { return {ring, screen, 48, 17}; }
  ScreenMetrics screen;
  RingLayout ring;
};

TEST_F(MenuLayoutTest, SeventeenMembersAreShortEighteenScroll) {
  const MenuGeometry shortMenu = LayOutMenu(100, 50, 17, 17);
  EXPECT_FALSE(shortMenu.scrolling);
  EXPECT_EQ(shortMenu.Height(), 666);
  EXPECT_EQ(shortMenu.rects[1], (MenuRect{110, 60, 358, 98}));
  EXPECT_EQ(shortMenu.rects[17], (MenuRect{110, 60 + 38 * 16, 358, 98 + 38 * 16}));
  EXPECT_EQ(shortMenu.BottomCapTop(), 8 + 38 * 17);

  const MenuGeometry scrolling = LayOutMenu(100, 20, 18, 17);
  EXPECT_TRUE(scrolling.scrolling);
  EXPECT_EQ(scrolling.Height(), 726);
  EXPECT_EQ(scrolling.rects[0], (MenuRect{110, 30, 358, 55}));  // upper arrow
  EXPECT_EQ(scrolling.rects[1].top, 20 + 40);
  EXPECT_EQ(scrolling.rects[18], (MenuRect{110, 20 + 45 + 38 * 17, 358, 20 + 70 + 38 * 17}));
  EXPECT_EQ(scrolling.BottomCapTop(), 68 + 38 * 17);
}

TEST_F(MenuLayoutTest, HitTestGivesASharedLineToTheUpperRow) {
  const MenuGeometry g = LayOutMenu(0, 0, 5, 17);
  EXPECT_EQ(MenuHitTest(g, 10, 48), 1);  // the line between rows 1 and 2
  EXPECT_EQ(MenuHitTest(g, 10, 49), 2);
  EXPECT_EQ(MenuHitTest(g, 258, 30), -1);  // right edge is out
  EXPECT_EQ(MenuHitTest(g, 9, 30), -1);
  EXPECT_EQ(MenuHitTest(g, 20, 210), -1);  // below the last row
}

TEST_F(MenuLayoutTest, MenusOpenBesideTheIconAndStayOnTheScreen) {
  // Slot 1 at 3 o'clock: plate left 959, the menu opens to its right, centred on it.
  EXPECT_EQ(Left(5, 1), 959 + 48);
  EXPECT_EQ(Top(5, 1), 360 + 24 - 105);
  // Slot 13 at 9 o'clock: left of the icon.
  EXPECT_EQ(Left(5, 13), 359 - 268);
  // The centre: right of it, centred on the screen.
  EXPECT_EQ(Left(5, 0), 683 + 72);
  EXPECT_EQ(Top(5, 0), 384 - 105);
  // A long menu from the bottom slot is pushed up onto the screen; from the top, down to 0.
  EXPECT_EQ(Top(17, 7), 768 - 666);
  EXPECT_EQ(Top(17, 19), 0);
  // An icon near the left edge: the menu starts at 0, over the icon.
  ring.Slots[13].PlateLeft = 100;
  EXPECT_EQ(Left(5, 13), 0);
  // Near the right edge the menu ends at the screen's edge.
  ring.Slots[1].PlateLeft = 1200;
  EXPECT_EQ(Left(5, 1), 1366 - 268);
}

TEST(MenuAccelerators, AbsoluteMemberNumbers) {
  EXPECT_EQ(MenuAccelerator(1), "0");
  EXPECT_EQ(MenuAccelerator(10), "9");
  EXPECT_EQ(MenuAccelerator(11), "A");
  EXPECT_EQ(MenuAccelerator(36), "Z");
  EXPECT_EQ(MenuAccelerator(37), "");
}

}  // namespace
}  // namespace qav
