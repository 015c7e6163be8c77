#pragma once
// Shows a translucent window's pixels straight from the program's own surface. Painting through
// the toolkit keeps a second full-window copy, cleared and filled on every exposure; where the
// window system can take the pixels directly, that copy is never touched.

#include <cstdint>
#include <vector>

#include "platform/window_shape.h"

namespace qav::platform {

// Premultiplied 32-bit pixels in the processor's byte order, `stride` bytes from row to row.
struct PixelRows {
  const std::uint8_t* bits = nullptr;
  int stride = 0;
  int width = 0;
  int height = 0;
};

class WindowPixels {
 public:
  virtual ~WindowPixels() = default;
  // Whether `window` can take pixels this way; where it cannot, it paints through the toolkit.
  virtual bool Available(std::uintptr_t window) = 0;
  // Puts `rows` at (x, y) of the window (device pixels), each channel scaled by alpha / 255.
  virtual void Put(std::uintptr_t window, int x, int y, const PixelRows& rows, int alpha) = 0;
  // Fills `rects` (device pixels) of the window with one premultiplied pixel on the window
  // system's side (0: fully transparent), so that a uniform part never travels as pixels.
  virtual void Fill(std::uintptr_t window, const std::vector<ShapeRect>& rects,
                    std::uint32_t pixel) = 0;
  // The window is going away: whatever was kept for it is released.
  virtual void Forget(std::uintptr_t window) = 0;
};

}  // namespace qav::platform
