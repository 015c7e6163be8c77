#include "platform/windows/win_window_shape.h"

#include <windows.h>

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace qav::platform {
namespace {

// Fast enough that the mouse cannot reach a rectangle and click before the window takes it.
constexpr int kFollowIntervalMs = 15;

double RatioOf(HWND window) {
  // Without a graphical application object there are no Qt windows to ask.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 1.0;
  for (const QWindow* candidate : QGuiApplication::topLevelWindows()) {
    if (candidate->handle() && reinterpret_cast<HWND>(candidate->winId()) == window) {
      return candidate->devicePixelRatio();
    }
  }
  return 1.0;
}

bool IsLayered(HWND window) {
  return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

void SetClickThrough(HWND window, bool through) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR wanted =
      through ? style | WS_EX_TRANSPARENT : style & ~LONG_PTR{WS_EX_TRANSPARENT};
  if (wanted != style) ::SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

bool Inside(const std::vector<ShapeRect>& rects, POINT p) {
  return std::any_of(rects.begin(), rects.end(), [p](const ShapeRect& r) {
    return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
  });
}

void SetRegion(HWND window, const std::vector<ShapeRect>& rects) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  if (!region) return;
  for (const ShapeRect& r : rects) {
    if (HRGN part = ::CreateRectRgn(r.x, r.y, r.x + r.width, r.y + r.height)) {
      ::CombineRgn(region, region, part, RGN_OR);
      ::DeleteObject(part);
    }
  }
  // The system owns the region from here on.
  if (!::SetWindowRgn(window, region, TRUE)) ::DeleteObject(region);
}

}  // namespace

std::vector<ShapeRect> ToDevicePixels(const std::vector<ShapeRect>& rects, double ratio) {
  std::vector<ShapeRect> scaled;
  for (const ShapeRect& r : rects) {
    if (r.width <= 0 || r.height <= 0) continue;
    const int left = static_cast<int>(std::floor(r.x * ratio));
    const int top = static_cast<int>(std::floor(r.y * ratio));
    const int right = static_cast<int>(std::ceil((r.x + r.width) * ratio));
    const int bottom = static_cast<int>(std::ceil((r.y + r.height) * ratio));
    scaled.push_back({left, top, right - left, bottom - top});
  }
  return scaled;
}

WinWindowShape::WinWindowShape() {
  timer_.setInterval(kFollowIntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Follow(); });
}

void WinWindowShape::SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) {
  const auto hwnd = reinterpret_cast<HWND>(window);
  if (!::IsWindow(hwnd)) return;
  const std::vector<ShapeRect> scaled = ToDevicePixels(rects, RatioOf(hwnd));
  if (!IsLayered(hwnd)) {
    SetRegion(hwnd, scaled);
    return;
  }
  regions_[window] = scaled;
  Follow();
  timer_.start();
}

void WinWindowShape::ClearInputRegion(std::uintptr_t window) {
  const auto hwnd = reinterpret_cast<HWND>(window);
  regions_.erase(window);
  if (regions_.empty()) timer_.stop();
  if (!::IsWindow(hwnd)) return;
  SetClickThrough(hwnd, false);
  ::SetWindowRgn(hwnd, nullptr, TRUE);
}

void WinWindowShape::Follow() {
  POINT cursor{};
  if (!::GetCursorPos(&cursor)) return;
  for (auto it = regions_.begin(); it != regions_.end();) {
    const auto hwnd = reinterpret_cast<HWND>(it->first);
    if (!::IsWindow(hwnd)) {
      it = regions_.erase(it);
      continue;
    }
    POINT inWindow = cursor;
    ::ScreenToClient(hwnd, &inWindow);
    SetClickThrough(hwnd, !Inside(it->second, inWindow));
    ++it;
  }
  if (regions_.empty()) timer_.stop();
}

}  // namespace qav::platform
