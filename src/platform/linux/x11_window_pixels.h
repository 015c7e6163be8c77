#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <map>
#include <vector>

#include "platform/window_pixels.h"

namespace qav::platform {

// Pixels put straight into a 32-bit window with PutImage on Qt's connection, in pieces the
// server's request size allows; clears are server-side fills. Only for windows whose visual is
// 32 bits deep with the same byte order as this processor, which is what a translucent Qt window
// on X11 has.
class X11WindowPixels final : public WindowPixels {
 public:
  X11WindowPixels() = default;
  X11WindowPixels(const X11WindowPixels&) = delete;
  X11WindowPixels& operator=(const X11WindowPixels&) = delete;
  ~X11WindowPixels() override;

  bool Available(std::uintptr_t window) override;
  void Put(std::uintptr_t window, int x, int y, const PixelRows& rows, int alpha) override;
  void Fill(std::uintptr_t window, const std::vector<ShapeRect>& rects,
            std::uint32_t pixel) override;
  void Forget(std::uintptr_t window) override;

 private:
  struct Target {
    bool usable = false;
    xcb_gcontext_t gc = XCB_NONE;
  };
  Target& TargetFor(std::uintptr_t window);

  std::map<std::uintptr_t, Target> targets_;
  std::vector<std::uint8_t> piece_;
};

}  // namespace qav::platform
