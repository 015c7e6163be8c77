// What the program changes on windows: its own window's region, and the shell's icon view. The
// shell's windows are played by windows of the test with the shell's class names.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/windows/win_desktop.h"
#include "platform/windows/win_window_shape.h"

namespace qav::platform {
namespace {

class Window {
 public:
  Window(const wchar_t* className, HWND parent, bool visible = true) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    const DWORD style = (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0);
    handle_ = ::CreateWindowExW(0, className, L"", style, 0, 0, 400, 300, parent, nullptr,
                                windowClass.hInstance, nullptr);
  }
  ~Window() { ::DestroyWindow(handle_); }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  HWND get() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

bool InRegion(HWND window, int x, int y) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const bool inside = ::GetWindowRgn(window, region) != ERROR && ::PtInRegion(region, x, y);
  ::DeleteObject(region);
  return inside;
}

TEST(WinWindowShape, OnlyTheGivenRectanglesTakeTheMouse) {
  const Window window(L"QavShapeTest", nullptr);
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

TEST(WinDesktop, IconsHiddenByTheProgramComeBackAndOnlyThose) {
  if (::FindWindowW(L"Progman", nullptr)) GTEST_SKIP() << "a real shell runs here";
  WinDesktop desktop;
  EXPECT_FALSE(desktop.ShowDesktopIcons(false));  // no icon view: nothing to change
  const Window shell(L"Progman", nullptr);
  const Window view(L"SHELLDLL_DefView", shell.get());
  const Window icons(L"SysListView32", view.get());
  if (!icons.get()) GTEST_SKIP() << "no window system (run under Xvfb)";

  EXPECT_TRUE(desktop.ShowDesktopIcons(false));
  EXPECT_FALSE(::IsWindowVisible(icons.get()));
  EXPECT_TRUE(desktop.ShowDesktopIcons(true));
  EXPECT_TRUE(::IsWindowVisible(icons.get()));

  // Icons the user switched off themselves stay off.
  ::ShowWindow(icons.get(), SW_HIDE);
  EXPECT_TRUE(desktop.ShowDesktopIcons(false));
  EXPECT_TRUE(desktop.ShowDesktopIcons(true));
  EXPECT_FALSE(::IsWindowVisible(icons.get()));
}

// Wine's own task bar when it runs one, else a stand-in.
TEST(WinDesktop, TheTaskBarIsHiddenAndShown) {
  const Window standIn(L"Shell_TrayWnd", nullptr);
  const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar) GTEST_SKIP() << "no window system (run under Xvfb)";
  WinDesktop desktop;
  desktop.ShowTaskbar(false);
  EXPECT_FALSE(::IsWindowVisible(taskbar));
  desktop.ShowTaskbar(true);
  EXPECT_TRUE(::IsWindowVisible(taskbar));
}

}  // namespace
}  // namespace qav::platform
