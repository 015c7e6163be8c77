#pragma once
// Which parts of a window take the mouse. The dock covers the whole screen but only its ring
// should catch clicks; everywhere else they reach the windows below.

#include <cstdint>
#include <vector>

namespace qav::platform {

class WindowLayers;
class WindowPixels;

struct ShapeRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ShapeRect&) const = default;
};

class WindowShape {
 public:
  virtual ~WindowShape() = default;
  // Only these rectangles (window coordinates) take input; an empty list lets everything through.
  virtual void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) = 0;
  // The whole window takes input again.
  virtual void ClearInputRegion(std::uintptr_t window) = 0;
  // The same window system's way of showing pixels straight from a surface; none where windows
  // paint through the toolkit only.
  virtual WindowPixels* Pixels() { return nullptr; }
  // Where the window system gives the dock and its menu layers of their own; none where they
  // are ordinary top-level windows, raised and lowered as such.
  virtual WindowLayers* Layers() { return nullptr; }
};

}  // namespace qav::platform
