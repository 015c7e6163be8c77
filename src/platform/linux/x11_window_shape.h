#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <map>

#include "platform/linux/x11_window_pixels.h"
#include "platform/window_shape.h"

namespace qav::platform {

// The input shape of the X SHAPE extension; does nothing off X11 (tests, other platforms of Qt).
// A window manager that frames one of our windows gets the window's shape on its frame too, again
// whenever it reparents the window, so clicks beside the shape pass the frame as well.
class X11WindowShape final : public WindowShape, private QAbstractNativeEventFilter {
 public:
  X11WindowShape() = default;
  X11WindowShape(const X11WindowShape&) = delete;
  X11WindowShape& operator=(const X11WindowShape&) = delete;
  ~X11WindowShape() override;

  void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) override;
  void ClearInputRegion(std::uintptr_t window) override;
  WindowPixels* Pixels() override { return &pixels_; }

 private:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  void Apply(std::uintptr_t window, const std::vector<ShapeRect>& rects);
  void WatchReparenting();

  std::map<std::uintptr_t, std::vector<ShapeRect>> regions_;
  bool watching_ = false;
  X11WindowPixels pixels_;
};

}  // namespace qav::platform
