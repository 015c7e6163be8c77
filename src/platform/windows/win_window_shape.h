#pragma once

#include "platform/window_shape.h"

namespace qav::platform {

// The window's region (SetWindowRgn): the system sends the mouse to a window only inside its
// region, so clicks elsewhere reach the windows below. The region also bounds what the window
// shows, which the dock's regions allow for: they cover everything it draws that takes clicks.
// An empty list lets everything through with a region of nothing.
class WinWindowShape final : public WindowShape {
 public:
  void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) override;
  void ClearInputRegion(std::uintptr_t window) override;
};

}  // namespace qav::platform
