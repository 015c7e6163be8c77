#pragma once

#include "platform/window_shape.h"

namespace qav::platform {

// The input shape of the X SHAPE extension; does nothing off X11 (tests, other platforms of Qt).
class X11WindowShape final : public WindowShape {
 public:
  void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) override;
  void ClearInputRegion(std::uintptr_t window) override;
};

}  // namespace qav::platform
