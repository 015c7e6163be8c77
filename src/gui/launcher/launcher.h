#pragma once
// The application object: owns the state and the three start-up windows, runs the start-up
// sequence and the one orderly way out.

#include <QPointer>
#include <QScreen>

#include <memory>
#include <optional>

#include <QObject>

#include "core/environment/screen_metrics.h"
#include "core/operations/reload.h"
#include "core/shortcuts/commands.h"
#include "core/shortcuts/dock_control.h"
#include "core/state/app_state.h"
#include "gui/dock/dock_services.h"
#include "gui/graphics/graphics_item_pictures.h"
#include "gui/graphics/image_cache.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/shell_icons.h"
#include "gui/launcher/qt_dialogs.h"
#include "gui/launcher/screen_watcher.h"
#include "gui/launcher/settings_dialog_host.h"
#include "gui/tray/hot_key_actions.h"
#include "platform/platform.h"
#include "platform/tray_hosts.h"

namespace qav {

class TrayIcon;
class DockWindow;
class GroupMenuWindow;
class ItemContextMenu;
class GettingStartedDialog;
class SearchWindow;
class ApplicationIndex;

class Launcher final : public DockControl,
                       public ConfigurationSaver,
                       public GroupMenuRequests,
                       public ItemMenuRequests,
                       public FrameClock,
                       public SearchRequests,
                       public HotKeyDock {
 public:
  Launcher(platform::Platform& platform, platform::WindowShape& shape, platform::HotKeys& hotKeys,
           platform::TrayHosts& trayHosts);
  ~Launcher() override;
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Runs the start-up sequence up to the shown dock. False when the program must end (an
  // unsupported system or no screen); the user has then been told.
  bool Start();

  // Saves both configuration files, puts the desktop back, hides every window and ends every
  // running event loop, modal ones included. The windows themselves go with the launcher, after
  // the loops have returned: a handler that opened a message box may still be running below.
  // Runs once; later calls do nothing.
  void ExitNow();
  // The same on a termination request (a signal, the end of the session): nobody may be there
  // to answer a message, so a failed save goes to `notices`, which must not wait. A request that
  // comes while the way out is already under way (a failed-save box of the "Exit" command is
  // open, say) ends the running loops again, so that no box keeps the program alive.
  void Terminate(platform::MessageBoxes& notices);
  // The way out asked for from inside a window's own event (the "Exit" command, the tray menu):
  // it runs once that event has returned, since it closes the very window.
  void ExitApplication() override;

  // The dock as item commands drive it.
  void EscCancel() override;
  void MinWindows(DockView state) override;
  void DockFocus(bool show) override;
  void DockNormal() override;
  void AltSpace() override;
  void SendToBottom() override;
  bool DockHidden() override { return state_.DockHidden; }
  void SetAnimateShowHide(bool animate) override { state_.AnimateShowHide = animate; }
  bool AnimateShowHide() override { return state_.AnimateShowHide; }

  void SaveSettings() override;
  void SaveMenu() override;

  // What launching and the built-in commands work with.
  CommandContext Commands();

  // The group menu, as the dock reaches it.
  void MenuFocus(bool show, int slot) override;
  bool MenuShown() override;
  void MenuEscCancel(bool keepFocus) override;
  bool MenuBusy() override;
  void MenuRefresh() override;
  void ShowItemMenu(int record, int slot) override;

  // Type to search, as the dock and the command line open it (launcher_search.cpp).
  void OpenSearch(const std::string& text) override;
  bool SearchShown() override;
  void CloseSearch() override;
  void ForwardSearchKey(QKeyEvent* event) override;
  SearchWindow* Search() { return searchWindow_.get(); }

  void Sleep(int milliseconds) override;
  void ProcessEvents() override;

  DockWindow* Dock() { return dockWindow_.get(); }
  SettingsDialogHost* Settings() { return settings_.get(); }

  // Saves both files without ending, when the session asks to keep the user's data.
  void SaveForSession();

  // Re-reads the configuration after a reset or restore; the windows stay. What the reload has
  // to tell goes to `messages` (the command line's answers for a request).
  void ReloadAll(const ReloadOptions& options);
  void ReloadAll(const ReloadOptions& options, platform::MessageBoxes& messages);

  // Summoning the dock brings it to the screen that holds the pointer, laid out for that screen.
  void FollowPointer();
  // The screens changed: the dock stays on its screen, laid out again for its new size, or goes
  // to the pointer's screen when its own is gone.
  void FollowScreens();

  AppState& state() { return state_; }
  bool exited() const { return exited_; }

 private:
  bool CheckOperatingSystem();
  std::optional<ScreenInfo> StartGdiPlus();
  void PlaceOnScreen(QScreen* screen);
  void PrepareDataFolders();
  void CreateForms();
  void CreateSearch();
  void ShowProperties(bool addShortcut);
  void ShowStarted(bool fromKey);
  void ShowDock();
  void Leave(platform::Platform& services);

  platform::Platform& platform_;
  platform::WindowShape& shape_;
  platform::HotKeys& hotKeys_;
  platform::TrayHosts& trayHosts_;
  AppState state_;
  ImageTables images_;
  QtShellIcons shellIcons_;
  ImageCache imageCache_{images_, state_, shellIcons_};
  std::unique_ptr<GraphicsItemPictures> pictures_;
  std::unique_ptr<QtDialogs> dialogs_;
  std::unique_ptr<SettingsDialogHost> settings_;
  std::unique_ptr<TrayIcon> trayIcon_;
  std::unique_ptr<DockWindow> dockWindow_;
  std::unique_ptr<GroupMenuWindow> groupMenu_;
  std::unique_ptr<ItemContextMenu> itemMenu_;
  std::unique_ptr<SearchWindow> searchWindow_;
  // The installed applications search offers, read off the user-interface thread.
  std::unique_ptr<ApplicationIndex> applications_;
  // Calls queued for later run on this object, so that they die with the launcher instead of
  // reaching a destroyed one.
  QObject queuedCalls_;
  QPointer<GettingStartedDialog> started_;
  // The screen the dock is laid out for, and what it was like then.
  QPointer<QScreen> dockScreen_;
  ScreenInfo dockScreenInfo_;
  std::unique_ptr<ScreenWatcher> screenWatcher_;
  bool exited_ = false;
};

}  // namespace qav
