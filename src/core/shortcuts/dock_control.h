#pragma once
// The dock and the windows that item actions drive. The dock and dialogs implement it; until a
// window exists its operations do nothing, and tests record the calls.

#include <optional>
#include <string>

#include "core/state/app_state.h"

namespace qav {

class DockControl {
 public:
  virtual ~DockControl() = default;
  // Leaves keyboard mode and closes an open group menu.
  virtual void EscCancel() = 0;
  // 0 shown, 1 minimized to its corner picture, 2 hidden.
  virtual void MinWindows(DockView state) = 0;
  virtual void DockFocus(bool show) = 0;
  virtual void DockNormal() = 0;
  // Whether the dock hid itself (switching the desktop brings it back).
  virtual bool DockHidden() = 0;
  virtual void SetAnimateShowHide(bool animate) = 0;
  virtual bool AnimateShowHide() = 0;
  // The program's orderly way out.
  virtual void ExitApplication() = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowSettings() = 0;
  virtual void ShowAbout() = 0;
  // An open-file dialog; nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const std::string& caption,
                                              const std::string& filter) = 0;
  // A one-line input box; nothing when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& caption,
                                              const std::string& defaultText) = 0;
  // A box to type a command in and run it.
  virtual void RunBox() = 0;
};

}  // namespace qav
