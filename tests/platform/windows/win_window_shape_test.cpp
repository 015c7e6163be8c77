// Input regions: a translucent (layered) window lets clicks through outside its rectangles and
// takes them inside, without losing anything it shows; any other window gets a region.

#include "platform/windows/win_window_shape.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/windows/win_test_window.h"

namespace qav::platform {
namespace {

bool InRegion(HWND window, int x, int y) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const bool inside = ::GetWindowRgn(window, region) != ERROR && ::PtInRegion(region, x, y);
  ::DeleteObject(region);
  return inside;
}

bool ClickThrough(HWND window) {
  return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

// Moves the mouse and lets the shape look at it.
void PointAt(HWND window, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(window, &p);
  ::SetCursorPos(p.x, p.y);
  for (int i = 0; i < 10; ++i) {
    QCoreApplication::processEvents();
    ::Sleep(5);
  }
}

TEST(WinWindowShape, ALayeredWindowLetsClicksThroughOutsideItsRectangles) {
  const test::TestWindow window(L"QavLayeredShapeTest", nullptr, WS_EX_LAYERED);
  if (!window.get()) GTEST_SKIP() << "no window system (run under Xvfb)";
  ::SetLayeredWindowAttributes(window.get(), 0, 255, LWA_ALPHA);
  const HWND hwnd = window.get();
  WinWindowShape shape;
  shape.SetInputRegion(reinterpret_cast<std::uintptr_t>(hwnd), {{10, 10, 20, 20}});
  PointAt(hwnd, 15, 15);
  EXPECT_FALSE(ClickThrough(hwnd));
  PointAt(hwnd, 100, 100);
  EXPECT_TRUE(ClickThrough(hwnd));
  // The system agrees: the point belongs to whatever lies below.
  POINT outside{100, 100};
  ::ClientToScreen(hwnd, &outside);
  EXPECT_NE(::WindowFromPoint(outside), hwnd);
  EXPECT_FALSE(InRegion(hwnd, 15, 15));  // nothing it shows is cut away

  shape.SetInputRegion(reinterpret_cast<std::uintptr_t>(hwnd), {});
  PointAt(hwnd, 15, 15);
  EXPECT_TRUE(ClickThrough(hwnd));  // no rectangles: everything goes through
  shape.ClearInputRegion(reinterpret_cast<std::uintptr_t>(hwnd));
  EXPECT_FALSE(ClickThrough(hwnd));
}

TEST(WinWindowShape, AnyOtherWindowGetsARegion) {
  const test::TestWindow window(L"QavShapeTest", nullptr);
  if (!window.get()) GTEST_SKIP() << "no window system (run under Xvfb)";
  const auto id = reinterpret_cast<std::uintptr_t>(window.get());
  WinWindowShape shape;
  shape.SetInputRegion(id, {{10, 10, 20, 20}, {100, 50, 30, 30}, {0, 0, 0, 5}});
  EXPECT_TRUE(InRegion(window.get(), 15, 15));
  EXPECT_TRUE(InRegion(window.get(), 129, 79));
  EXPECT_FALSE(InRegion(window.get(), 50, 50));
  EXPECT_FALSE(InRegion(window.get(), 0, 0));
  shape.SetInputRegion(id, {});
  EXPECT_FALSE(InRegion(window.get(), 15, 15));
  shape.ClearInputRegion(id);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(window.get(), region), ERROR);  // no region: the whole window
  ::DeleteObject(region);
  shape.SetInputRegion(0, {{0, 0, 1, 1}});  // no window: nothing happens
}

TEST(WinWindowShape, RectanglesAreScaledToWholeDevicePixels) {
  EXPECT_EQ(ToDevicePixels({{10, 10, 20, 20}}, 1.0), (std::vector<ShapeRect>{{10, 10, 20, 20}}));
  EXPECT_EQ(ToDevicePixels({{1, 1, 3, 3}, {0, 0, 0, 4}}, 1.5),
            (std::vector<ShapeRect>{{1, 1, 5, 5}}));
}

}  // namespace
}  // namespace qav::platform
