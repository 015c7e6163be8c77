#pragma once
// The screen values every layout is computed from, taken from the screen the dock is on.

namespace qav {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const ScreenRect&) const = default;
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
  // The largest work area among all attached screens: stored settings that fit there are kept
  // while the dock is on a smaller screen. Zero when this screen is the only one.
  int largestWidth = 0;
  int largestHeight = 0;

  bool operator==(const ScreenInfo&) const = default;
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

// The largest attached screen as a screen of its own: what stored settings are checked against.
ScreenInfo LargestScreen(const ScreenInfo& info);

// The largest ring radius that fits on the screen: the ring and its labels stay 80 pixels clear
// of the top and bottom.
inline int MaxRadiusFor(const ScreenMetrics& screen) {
  return screen.RingCentreY - 80;
}

}  // namespace qav
