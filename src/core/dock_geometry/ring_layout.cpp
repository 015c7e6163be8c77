#include "core/dock_geometry/ring_layout.h"

#include <cmath>

#include "base/text.h"

namespace qav {
namespace {

// The ring's angles use this value of pi so that icon places match the program's layout table
// exactly.
constexpr double kPi = 3.1415926;
constexpr int kMinMargin = 2;

int Round(double value) {
  return static_cast<int>(RoundHalfEven(value));
}

// Half the diagonal of a square of half-edge `half`, held to four decimals.
double HalfDiagonal(double half) {
  return static_cast<double>(RoundHalfEven(std::sqrt(half * half * 2.0) * 10000.0)) / 10000.0;
}

}  // namespace

RingSlot CentreRingSlot(const ScreenMetrics& screen) {
  RingSlot slot;
  slot.PlateSize = kCentreSize;
  slot.PlateLeft = Round(screen.RingCentreX - kCentreSize / 2.0);
  slot.PlateTop = Round(screen.RingCentreY - kCentreSize / 2.0);
  slot.MagSize = kBorderSize;
  slot.MagLeft = screen.RingCentreX - kBorderSize / 2;
  slot.MagTop = screen.RingCentreY - kBorderSize / 2;
  slot.LabelDX = screen.RingCentreX;
  slot.LabelDY = screen.RingCentreY + kBorderSize / 2;
  return slot;
}

namespace {

RingSlot RingPosition(const ScreenMetrics& screen, const RingParams& params, double angle) {
  const double cosA = std::cos(angle);
  const double sinA = std::sin(angle);
  const int cx = Round(cosA * params.radius + screen.RingCentreX);
  const int cy = Round(sinA * params.radius + screen.RingCentreY);
  const double h = params.normalSize / 2.0;
  const double m = params.magnifiedSize / 2.0;
  const double reach = params.radius + HalfDiagonal(m) + 3.0;
  RingSlot slot;
  slot.PlateSize = params.normalSize;
  slot.PlateLeft = Round(cx - h);
  slot.PlateTop = Round(cy - h);
  slot.MagSize = params.magnifiedSize;
  slot.MagLeft = Round(cx - m);
  slot.MagTop = Round(cy - m);
  slot.LabelDX = Round(reach * cosA);
  slot.LabelDY = Round(reach * sinA);
  return slot;
}

}  // namespace

void CalcRingLayout(RingLayout& layout, const ScreenMetrics& screen, const RingParams& params) {
  layout.Slots[0] = CentreRingSlot(screen);
  if (params.iconCount <= 0) return;
  const double step = 360.0 / params.iconCount;
  for (int k = 1; k <= params.iconCount && k < kRingSlotCount; ++k) {
    const double angle = (k - 1) * step * kPi / 180.0;
    layout.Slots[k] = RingPosition(screen, params, angle);
  }
}

void SetMinimizedPosition(RingLayout& layout, const ScreenMetrics& screen, int code) {
  const int s = layout.BorderSize;
  const int centreLeft = Round(screen.RingCentreX - s / 2.0);
  const int centreTop = Round(screen.RingCentreY - s / 2.0);
  const int right = screen.ScreenWidth - s - kMinMargin;
  const int bottom = screen.ScreenHeight - s - kMinMargin;
  struct Place {
    int left, top;
  };
  const Place places[] = {
      {centreLeft, centreTop}, {centreLeft, kMinMargin}, {centreLeft, bottom},
      {kMinMargin, centreTop}, {right, centreTop},       {kMinMargin, kMinMargin},
      {right, kMinMargin},     {kMinMargin, bottom},     {right, bottom},
  };
  if (code >= 0 && code <= 8) {
    layout.MinLeft = places[code].left;
    layout.MinTop = places[code].top;
  }
  layout.MinSize = s;
  const int inset = Round((s - kCentreSize) / 2.0);
  layout.MinPicLeft = layout.MinLeft + inset;
  layout.MinPicTop = layout.MinTop + inset;
}

int HitTestSlot(const RingLayout& layout, int iconCount, float x, float y) {
  for (int k = 0; k <= iconCount && k < kRingSlotCount; ++k) {
    const RingSlot& s = layout.Slots[k];
    const double left = s.PlateLeft, top = s.PlateTop, size = s.PlateSize;
    const bool inX = left <= x && x < left + size;
    const bool inY = top < y && y < top + size;
    if (inX && inY) return k;
  }
  return -1;
}

}  // namespace qav
