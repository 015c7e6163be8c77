#include "core/dock_geometry/ring_layout.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

ScreenMetrics Screen(int width, int height) {
  ScreenInfo info;
  info.fullScreenWidth = width;
  info.fullScreenHeight = height;
  info.workArea = {0, 0, width, height};
  return ComputeScreenMetrics(info);
}

TEST(CalcRingLayout, EightIconsSitEvery45DegreesClockwiseFromThreeOClock) {
  const ScreenMetrics screen = Screen(1366, 768);  // centre (683, 384)
  RingLayout layout;
  CalcRingLayout(layout, screen, {48, 64, 300, 8});
  const RingSlot& centre = layout.Slots[0];
  EXPECT_EQ(centre, (RingSlot{619, 320, 128, 588, 289, 190, 683, 479}));
  // Slot 1 at 3 o'clock: centre (983, 384).
  EXPECT_EQ(layout.Slots[1], (RingSlot{959, 360, 48, 951, 352, 64, 348, 0}));
  // Slot 3 at 6 o'clock, slot 5 at 9, slot 7 at 12.
  EXPECT_EQ(layout.Slots[3].PlateLeft, 683 - 24);
  EXPECT_EQ(layout.Slots[3].PlateTop, 684 - 24);
  EXPECT_EQ(layout.Slots[3].LabelDY, 348);
  EXPECT_EQ(layout.Slots[5].PlateLeft, 383 - 24);
  EXPECT_EQ(layout.Slots[7].PlateTop, 84 - 24);
  EXPECT_EQ(layout.Slots[7].LabelDY, -348);
  // Slot 2 at 45 degrees: 300 * cos(45) = 212.13 -> centre (895, 596).
  EXPECT_EQ(layout.Slots[2].PlateLeft, 895 - 24);
  EXPECT_EQ(layout.Slots[2].PlateTop, 596 - 24);
  // Label reach 300 + 45.2548 + 3 at 45 degrees = 246.27 -> 246.
  EXPECT_EQ(layout.Slots[2].LabelDX, 246);
}

TEST(CalcRingLayout, OddSizesRoundHalvesToEvenAndUnusedSlotsKeepTheirValues) {
  const ScreenMetrics screen = Screen(1365, 767);  // centre 682.5 -> 682, 383.5 -> 384
  RingLayout layout;
  layout.Slots[20].PlateLeft = -7;
  CalcRingLayout(layout, screen, {49, 51, 250, 12});
  EXPECT_EQ(screen.RingCentreX, 682);
  EXPECT_EQ(screen.RingCentreY, 384);
  EXPECT_EQ(layout.Slots[1].PlateLeft, 908);  // 932 - 24.5 = 907.5 -> 908
  EXPECT_EQ(layout.Slots[1].MagLeft, 906);    // 932 - 25.5 = 906.5 -> 906
  EXPECT_EQ(layout.Slots[1].PlateTop, 360);   // 384 - 24.5 = 359.5 -> 360
  EXPECT_EQ(layout.Slots[20].PlateLeft, -7);
}

TEST(HitTestSlot, LeftEdgeInTopEdgeOutCentreFirst) {
  const ScreenMetrics screen = Screen(1366, 768);
  RingLayout layout;
  CalcRingLayout(layout, screen, {48, 64, 300, 8});
  const RingSlot& s1 = layout.Slots[1];  // 959..1007 x 360..408
  EXPECT_EQ(HitTestSlot(layout, 8, 959.0f, 380.0f), 1);
  EXPECT_EQ(HitTestSlot(layout, 8, 958.9f, 380.0f), -1);
  EXPECT_EQ(HitTestSlot(layout, 8, 1007.0f, 380.0f), -1);
  EXPECT_EQ(HitTestSlot(layout, 8, 980.0f, static_cast<float>(s1.PlateTop)), -1);
  EXPECT_EQ(HitTestSlot(layout, 8, 980.0f, static_cast<float>(s1.PlateTop) + 0.5f), 1);
  EXPECT_EQ(HitTestSlot(layout, 8, 980.0f, 408.0f), -1);
  EXPECT_EQ(HitTestSlot(layout, 8, 683.0f, 384.0f), 0);
  // Slots past the icon count are never hit.
  EXPECT_EQ(HitTestSlot(layout, 0, 980.0f, 380.0f), -1);

  // Where the centre box and a ring box overlap, the centre wins.
  CalcRingLayout(layout, screen, {128, 128, 100, 8});
  EXPECT_EQ(HitTestSlot(layout, 8, 740.0f, 384.0f), 0);
  EXPECT_EQ(HitTestSlot(layout, 8, 790.0f, 384.0f), 1);
}

TEST(SetMinimizedPosition, NinePlacesTwoPixelsInsideTheEdges) {
  const ScreenMetrics screen = Screen(1366, 768);
  RingLayout layout;
  const int expected[9][2] = {{588, 289}, {588, 2},  {588, 576}, {2, 289},   {1174, 289},
                              {2, 2},     {1174, 2}, {2, 576},   {1174, 576}};
  for (int code = 0; code < 9; ++code) {
    SetMinimizedPosition(layout, screen, code);
    EXPECT_EQ(layout.MinLeft, expected[code][0]) << code;
    EXPECT_EQ(layout.MinTop, expected[code][1]) << code;
    EXPECT_EQ(layout.MinSize, 190);
    EXPECT_EQ(layout.MinPicLeft, layout.MinLeft + 31);
    EXPECT_EQ(layout.MinPicTop, layout.MinTop + 31);
  }
  SetMinimizedPosition(layout, screen, 9);  // unknown code: the place stays
  EXPECT_EQ(layout.MinLeft, 1174);
  EXPECT_EQ(layout.MinTop, 576);
}

}  // namespace
}  // namespace qav
