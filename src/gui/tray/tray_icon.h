#pragma once
// The hidden window that lives for the whole run: it takes the global hot keys and owns the
// notification-area icon with its menu.

#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

#include "gui/tray/hot_key_actions.h"
#include "gui/tray/tray_menu.h"
#include "platform/tray_hosts.h"

class QSystemTrayIcon;

namespace qav {

struct TrayServices {
  AppState& state;
  platform::HotKeys& hotKeys;
  platform::TrayHosts& trayHosts;
  std::function<CommandContext()> commands;
  HotKeyDock& dock;
  GroupMenuRequests& menu;
  FrameClock& clock;
};

class TrayIcon final : public QWidget {
 public:
  // Takes the hot keys the user chose (the hot-key file of `state.paths`, else the defaults);
  // the icon comes with PutUpIcon. While one of the program's own dialogs has the keyboard the
  // hot keys are given back, so that Shift+Tab and Ctrl+Tab move its focus and pages there.
  explicit TrayIcon(TrayServices services);
  // Puts up the icon, or waits for a tray to start; a restarted tray gets it again. Asking the
  // session bus for a tray and decoding the icon need not hold up the dock's first frame.
  void PutUpIcon();
  // Takes the icon down, then gives the hot keys back: the reverse of how they came.
  ~TrayIcon() override;

  TrayMenu& Menu() { return *trayMenu_; }
  // None until a notification area runs.
  QSystemTrayIcon* Icon() { return trayIcon_; }
  // The actions whose combination another program held when it was asked for.
  const std::vector<platform::HotKey>& RefusedHotKeys() const { return refused_; }
  const platform::HotKeyBindings& HotKeyBindings() const { return bindings_; }
  // Takes `bindings` instead of the combinations held now; returns the refused actions.
  std::vector<platform::HotKey> ApplyHotKeys(const platform::HotKeyBindings& bindings);
  // "QAV Launcher <major>.<minor>", a line break, and the product's web address.
  static QString ToolTip();
  // The name the tray icon, its notices and its boxes go by.
  static QString Caption();
  // What the user is told about the actions in `refused` and the unusable lines of the hot-key
  // file (`problems`, of the file at `file`); empty when there is nothing to tell.
  static std::string RefusedNotice(const std::vector<platform::HotKey>& refused,
                                   const platform::HotKeyBindings& bindings,
                                   const std::vector<std::string>& problems = {},
                                   const std::string& file = {});

 private:
  // Puts the icon up, or takes it down and up again for a tray that has just (re)started.
  void AddIcon();
  void OnHotKey(platform::HotKey key);
  void TellRefused();
  void Tell(const QString& text, bool warning);
  void TakeHotKeys();
  // Gives the hot keys back while `window` is one of the program's own dialogs.
  void FollowFocus(QWindow* window);

  TrayServices services_;
  std::unique_ptr<TrayMenu> trayMenu_;
  QSystemTrayIcon* trayIcon_ = nullptr;
  bool watching_ = false;
  platform::HotKeyBindings bindings_;
  std::vector<platform::HotKey> refused_;
  std::vector<std::string> fileProblems_;
  // The dialog the hot keys were last given back for.
  QPointer<QWindow> pausedFor_;
};

}  // namespace qav
