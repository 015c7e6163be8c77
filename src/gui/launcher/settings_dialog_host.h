#pragma once
// The one settings window of the running program: opened on demand, raised when asked again,
// and wired to the dock, the group menu and the picture cache for its live preview.

#include <QPointer>

#include <functional>

#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/settings_dialog.h"
#include "gui/dialogs/settings_preview.h"
#include "gui/graphics/image_cache.h"

namespace qav {

class DockWindow;
class GroupMenuWindow;
class TrayIcon;

struct SettingsDialogHostParts {
  AppState& state;
  platform::Platform& platform;
  ImageCache& cache;
  std::function<void(const ReloadOptions&)> reloadAll;
  std::function<void()> showAbout;
};

class SettingsDialogHost final : public SettingsPreview {
 public:
  explicit SettingsDialogHost(SettingsDialogHostParts parts);
  ~SettingsDialogHost() override;
  SettingsDialogHost(const SettingsDialogHost&) = delete;
  SettingsDialogHost& operator=(const SettingsDialogHost&) = delete;

  void SetWindows(DockWindow* dock, GroupMenuWindow* menu, TrayIcon* tray);
  // Opens the window owned by the dock, or brings the open one to the front.
  void Show();
  SettingsDialog* Window() { return window_.data(); }

  void RingChanged(int mode) override;
  void RebuildSizedImages(int slot) override;
  void DockNormal() override;
  void SetMenuClearType(bool clearType) override;
  void ReloadAll(const ReloadOptions& options) override;
  void ShowAbout() override;
  platform::HotKeyBindings HotKeys() override;
  std::vector<platform::HotKey> ApplyHotKeys(const platform::HotKeyBindings& bindings) override;

 private:
  SettingsDialogHostParts parts_;
  QtFileDialogs files_;
  DockWindow* dock_ = nullptr;
  GroupMenuWindow* menu_ = nullptr;
  TrayIcon* tray_ = nullptr;
  QPointer<SettingsDialog> window_;
};

}  // namespace qav
