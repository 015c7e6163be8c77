#pragma once
// The desktop's own icon view and task bar, which the launcher can hide while it runs.

namespace qav::platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Shows or hides the icons of the desktop where the desktop has such a view; otherwise
  // nothing changes.
  virtual void ShowDesktopIcons(bool show) = 0;
  virtual void ShowTaskbar(bool show) = 0;
};

}  // namespace qav::platform
