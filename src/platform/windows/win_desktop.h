#pragma once
// Explorer's desktop icon view (the list view inside Progman's, or a WorkerW's, SHELLDLL_DefView)
// and its task bars (Shell_TrayWnd and, on further monitors, Shell_SecondaryTrayWnd), shown and
// hidden as windows. Showing the icons again only undoes a hiding of ours: icons the user
// switched off stay off.

#include "platform/desktop.h"

namespace qav::platform {

class WinDesktop final : public Desktop {
 public:
  bool ShowDesktopIcons(bool show) override;
  void ShowTaskbar(bool show) override;

 private:
  bool iconsHiddenByUs_ = false;
};

}  // namespace qav::platform
