#pragma once
// The desktop's own icon view and task bar, which the launcher can hide while it runs.

namespace qav::platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Shows or hides the icons of the desktop. False when this desktop has no icon view to change
  // (nothing changed).
  virtual bool ShowDesktopIcons(bool show) = 0;
  virtual void ShowTaskbar(bool show) = 0;
};

}  // namespace qav::platform
