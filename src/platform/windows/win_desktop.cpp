#include "platform/windows/win_desktop.h"

#include <windows.h>

namespace qav::platform {
namespace {

HWND DefViewIn(HWND parent) {
  return ::FindWindowExW(parent, nullptr, L"SHELLDLL_DefView", nullptr);
}

// The desktop's icon list. Explorer moves the view from Progman into a WorkerW window while a
// slide show of backgrounds runs, so both places are looked at.
HWND DesktopIconView() {
  HWND view = DefViewIn(::FindWindowW(L"Progman", nullptr));
  for (HWND worker = nullptr; !view;) {
    worker = ::FindWindowExW(nullptr, worker, L"WorkerW", nullptr);
    if (!worker) return nullptr;
    view = DefViewIn(worker);
  }
  return ::FindWindowExW(view, nullptr, L"SysListView32", nullptr);
}

}  // namespace

bool WinDesktop::ShowDesktopIcons(bool show) {
  const HWND icons = DesktopIconView();
  if (!icons) return false;
  if (!show) {
    if (!::IsWindowVisible(icons)) return true;  // nothing shown, nothing to remember
    ::ShowWindow(icons, SW_HIDE);
    iconsHiddenByUs_ = true;
    return true;
  }
  if (!iconsHiddenByUs_) return true;
  ::ShowWindow(icons, SW_SHOW);
  iconsHiddenByUs_ = false;
  return true;
}

void WinDesktop::ShowTaskbar(bool show) {
  const int command = show ? SW_SHOW : SW_HIDE;
  if (const HWND main = ::FindWindowW(L"Shell_TrayWnd", nullptr)) ::ShowWindow(main, command);
  for (HWND other = nullptr;
       (other = ::FindWindowExW(nullptr, other, L"Shell_SecondaryTrayWnd", nullptr)) != nullptr;) {
    ::ShowWindow(other, command);
  }
}

}  // namespace qav::platform
