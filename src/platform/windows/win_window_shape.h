#pragma once

#include <QTimer>

#include <cstdint>
#include <map>
#include <vector>

#include "platform/window_shape.h"

namespace qav::platform {

// Input regions without touching what a window shows. A layered window (Qt's translucent
// windows are) with WS_EX_TRANSPARENT lets every click through to the windows below; the style
// is set while the mouse is outside the window's rectangles and taken off while it is inside
// one, looked at every few milliseconds. A window that is not layered cannot let clicks through
// that way and gets a window region (SetWindowRgn) instead, which also bounds what it shows.
// Rectangles are in Qt's device-independent pixels and scaled to the window's.
class WinWindowShape final : public WindowShape {
 public:
  WinWindowShape();

  void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) override;
  void ClearInputRegion(std::uintptr_t window) override;

 private:
  void Follow();

  // The layered windows being followed, with their rectangles in the window's own pixels.
  std::map<std::uintptr_t, std::vector<ShapeRect>> regions_;
  QTimer timer_;
};

// `rects` in device pixels of a window whose device pixel ratio is `ratio`, each widened to whole
// pixels.
std::vector<ShapeRect> ToDevicePixels(const std::vector<ShapeRect>& rects, double ratio);

}  // namespace qav::platform
