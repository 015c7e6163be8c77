#pragma once
// Where everything of the dock is: the centre slot, the ring slots around it, the minimized
// picture's place, and the hit test that turns a point into a slot. Pixels of the full-screen
// dock window, y downwards.

#include <array>

#include "core/environment/screen_metrics.h"

namespace qav {

inline constexpr int kRingSlotCount = 37;  // 0 = centre, 1..36 = ring positions
inline constexpr int kBorderSize = 190;
inline constexpr int kCentreSize = 128;

struct RingSlot {
  int PlateLeft = 0;
  int PlateTop = 0;
  int PlateSize = 0;
  int MagLeft = 0;
  int MagTop = 0;
  int MagSize = 0;
  // Ring slots: the key letter's point as an offset from the ring centre. Centre slot: the point
  // itself, under the border picture.
  int LabelDX = 0;
  int LabelDY = 0;

  bool operator==(const RingSlot&) const = default;
};

struct RingParams {
  int normalSize = 48;
  int magnifiedSize = 64;
  int radius = 300;
  int iconCount = 24;
};

struct RingLayout {
  std::array<RingSlot, kRingSlotCount> Slots{};
  int BorderSize = kBorderSize;
  int MinLeft = 0;
  int MinTop = 0;
  int MinSize = 0;
  int MinPicLeft = 0;
  int MinPicTop = 0;
};

// The centre slot: the 128x128 centre box, the 190x190 border box, the label point under it.
RingSlot CentreRingSlot(const ScreenMetrics& screen);

// Recomputes the centre slot and ring slots 1..iconCount; later slots keep their old values.
void CalcRingLayout(RingLayout& layout, const ScreenMetrics& screen, const RingParams& params);

// Places the minimized picture: 0 centre, 1 top, 2 bottom, 3 left, 4 right, 5 top-left,
// 6 top-right, 7 bottom-left, 8 bottom-right. Other codes keep the old place.
void SetMinimizedPosition(RingLayout& layout, const ScreenMetrics& screen, int code);

// The first slot of 0..iconCount whose rest box holds the point (left edge in, top edge out),
// or -1.
int HitTestSlot(const RingLayout& layout, int iconCount, float x, float y);

}  // namespace qav
