#include "core/environment/screen_metrics.h"

#include <algorithm>

#include "base/text.h"

namespace qav {
namespace {

constexpr double kTwipsPerInch = 1440.0;

int TwipsPerPixel(double dotsPerInch) {
  if (dotsPerInch <= 0) return 15;
  const auto twips = RoundHalfEven(kTwipsPerInch / dotsPerInch);
  return twips < 1 ? 1 : static_cast<int>(twips);
}

}  // namespace

ScreenMetrics ComputeScreenMetrics(const ScreenInfo& info) {
  ScreenMetrics m;
  m.TwipsPerPixelX = TwipsPerPixel(info.dotsPerInchX);
  m.TwipsPerPixelY = TwipsPerPixel(info.dotsPerInchY);
  m.ScreenWidthTwips = static_cast<long>(info.fullScreenWidth) * m.TwipsPerPixelX;
  m.ScreenHeightTwips =
      static_cast<long>(info.fullScreenHeight + info.captionHeight) * m.TwipsPerPixelY;
  m.ScreenWidth =
      static_cast<int>(RoundHalfEven(static_cast<double>(m.ScreenWidthTwips) / m.TwipsPerPixelX));
  m.ScreenHeight =
      static_cast<int>(RoundHalfEven(static_cast<double>(m.ScreenHeightTwips) / m.TwipsPerPixelY));
  m.WorkArea = info.workArea;
  m.RingCentreX = static_cast<int>(RoundHalfEven(m.ScreenWidth / 2.0));
  m.RingCentreY = static_cast<int>(RoundHalfEven(m.ScreenHeight / 2.0));
  return m;
}

ScreenInfo LargestScreen(const ScreenInfo& info) {
  ScreenInfo largest = info;
  largest.fullScreenWidth = std::max(info.fullScreenWidth, info.largestWidth - info.captionHeight);
  largest.fullScreenHeight =
      std::max(info.fullScreenHeight, info.largestHeight - info.captionHeight);
  return largest;
}

}  // namespace qav
