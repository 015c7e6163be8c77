#pragma once
// The screen values every layout is computed from, taken from the primary screen.

namespace qav {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// What the windowing system reports. `fullScreenWidth`/`fullScreenHeight` are the client area a
// maximised window gets (the work area less a caption); `captionHeight` is added back so that the
// dock covers the whole work area.
struct ScreenInfo {
  int fullScreenWidth = 0;
  int fullScreenHeight = 0;
  int captionHeight = 0;
  double dotsPerInchX = 96.0;
  double dotsPerInchY = 96.0;
  ScreenRect workArea;
};

struct ScreenMetrics {
  int TwipsPerPixelX = 15;
  int TwipsPerPixelY = 15;
  long ScreenWidthTwips = 0;
  long ScreenHeightTwips = 0;
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  ScreenRect WorkArea;
  int RingCentreX = 0;
  int RingCentreY = 0;
};

ScreenMetrics ComputeScreenMetrics(const ScreenInfo& info);

}  // namespace qav
