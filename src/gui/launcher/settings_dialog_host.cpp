#include "gui/launcher/settings_dialog_host.h"

#include "core/dock_geometry/ring_layout.h"
#include "gui/dock/dock_window.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/tray/tray_icon.h"

namespace qav {

SettingsDialogHost::SettingsDialogHost(SettingsDialogHostParts parts)
    : parts_(std::move(parts)), files_(parts_.platform.messages) {}

// The window belongs to the dock, which deletes it with itself.
SettingsDialogHost::~SettingsDialogHost() = default;

void SettingsDialogHost::SetWindows(DockWindow* dock, GroupMenuWindow* menu, TrayIcon* tray) {
  dock_ = dock;
  menu_ = menu;
  tray_ = tray;
}

// However the window is opened (a command, the tray, a request), the dock is up for as long as
// it is open, so that every change shows at once.
void SettingsDialogHost::Show() {
  AppState& state = parts_.state;
  if (!window_) {
    window_ = new SettingsDialog({state, parts_.platform, files_, *this}, dock_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    files_.SetOwner(window_);
    state.SettingsShown = true;
    QObject::connect(window_, &QObject::destroyed, [&state] { state.SettingsShown = false; });
  }
  if (dock_ && state.DockState == DockView::kHidden) dock_->MinWindows(DockView::kShown);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void SettingsDialogHost::RingChanged(int mode) {
  if (!dock_) return;
  switch (mode) {
    case 0:
      dock_->DockNormal(false);
      break;
    case 1:
      dock_->DockSizeChange();
      break;
    case 2:
      RebuildSizedImages(2);
      break;
    default:
      break;
  }
}

// The size preview drew stretched pictures; once the pictures of the new size exist the dock
// shows its resting frame with them, so no change of size leaves a preview frame behind.
void SettingsDialogHost::RebuildSizedImages(int slot) {
  parts_.cache.RebuildSizedImages(slot);
  if (dock_) dock_->DockNormal(false);
}

void SettingsDialogHost::DockNormal() {
  if (dock_) dock_->DockNormal(false);
}

void SettingsDialogHost::SetMenuClearType(bool clearType) {
  if (menu_) menu_->SetClearType(clearType);
}

// Besides the tables, a reload may bring another minimized place and text rendering.
void SettingsDialogHost::ReloadAll(const ReloadOptions& options) {
  parts_.reloadAll(options);
  AppState& state = parts_.state;
  SetMinimizedPosition(state.ring, state.screen, state.settings.Record.MinimizedPosition);
  SetMenuClearType(state.settings.Record.ClearType == 1);
}

void SettingsDialogHost::ShowAbout() {
  parts_.showAbout();
}

platform::HotKeyBindings SettingsDialogHost::HotKeys() {
  return tray_ ? tray_->HotKeyBindings() : platform::DefaultHotKeys();
}

std::vector<platform::HotKey> SettingsDialogHost::ApplyHotKeys(
    const platform::HotKeyBindings& bindings) {
  return tray_ ? tray_->ApplyHotKeys(bindings) : std::vector<platform::HotKey>{};
}

}  // namespace qav
