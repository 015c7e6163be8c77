#pragma once
// The one settings window of the running program: opened on demand, raised when asked again,
// and wired to the dock, the group menu and the picture cache for its live preview.

#include <QPointer>

#include <functional>

#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/frm_config.h"
#include "gui/dialogs/settings_preview.h"
#include "gui/graphics/image_cache.h"

namespace qav {

class FrmMain;
class FrmSubMenu;
class FrmTray;

struct SettingsWindowParts {
  AppState& state;
  platform::Platform& platform;
  ImageCache& cache;
  std::function<void(const ReloadOptions&)> reloadAll;
  std::function<void()> showAbout;
};

class SettingsWindow final : public SettingsPreview {
 public:
  explicit SettingsWindow(SettingsWindowParts parts);
  ~SettingsWindow() override;
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  void SetWindows(FrmMain* dock, FrmSubMenu* menu, FrmTray* tray);
  // Opens the window owned by the dock, or brings the open one to the front.
  void Show();
  FrmConfig* Window() { return window_.data(); }

  void RingChanged(int mode) override;
  void RebuildSizedImages(int slot) override;
  void DockNormal() override;
  void SetMenuClearType(bool clearType) override;
  void ReloadAll(const ReloadOptions& options) override;
  void ShowAbout() override;
  platform::HotKeyBindings HotKeys() override;
  std::vector<platform::HotKey> ApplyHotKeys(const platform::HotKeyBindings& bindings) override;

 private:
  SettingsWindowParts parts_;
  QtFileDialogs files_;
  FrmMain* dock_ = nullptr;
  FrmSubMenu* menu_ = nullptr;
  FrmTray* tray_ = nullptr;
  QPointer<FrmConfig> window_;
};

}  // namespace qav
