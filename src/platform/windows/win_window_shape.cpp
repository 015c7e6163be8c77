#include "platform/windows/win_window_shape.h"

#include <windows.h>

namespace qav::platform {

void WinWindowShape::SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  if (!::IsWindow(hwnd)) return;
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  if (!region) return;
  for (const ShapeRect& r : rects) {
    if (r.width <= 0 || r.height <= 0) continue;
    if (HRGN part = ::CreateRectRgn(r.x, r.y, r.x + r.width, r.y + r.height)) {
      ::CombineRgn(region, region, part, RGN_OR);
      ::DeleteObject(part);
    }
  }
  // The system owns the region from here on.
  if (!::SetWindowRgn(hwnd, region, TRUE)) ::DeleteObject(region);
}

void WinWindowShape::ClearInputRegion(std::uintptr_t window) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  if (::IsWindow(hwnd)) ::SetWindowRgn(hwnd, nullptr, TRUE);
}

}  // namespace qav::platform
