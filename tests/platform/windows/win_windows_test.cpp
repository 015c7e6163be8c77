// What the program changes in the shell: the desktop's icon view and the task bar, played by
// windows of the test with the shell's class names where no shell runs.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/windows/win_desktop.h"
#include "platform/windows/win_test_window.h"

namespace qav::platform {
namespace {

TEST(WinDesktop, IconsHiddenByTheProgramComeBackAndOnlyThose) {
  if (::FindWindowW(L"Progman", nullptr)) GTEST_SKIP() << "a real shell runs here";
  WinDesktop desktop;
  EXPECT_FALSE(desktop.ShowDesktopIcons(false));  // no icon view: nothing to change
  const test::TestWindow shell(L"Progman", nullptr);
  const test::TestWindow view(L"SHELLDLL_DefView", shell.get());
  const test::TestWindow icons(L"SysListView32", view.get());
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
  const test::TestWindow standIn(L"Shell_TrayWnd", nullptr);
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
