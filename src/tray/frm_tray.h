#pragma once
// The hidden window that lives for the whole run: it takes the global hot keys and owns the
// notification-area icon with its menu.

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "platform/tray_hosts.h"
#include "tray/hot_key_actions.h"
#include "tray/tray_menu.h"

class QSystemTrayIcon;

namespace qav {

struct TrayServices {
  AppState& state;
  platform::HotKeys& hotKeys;
  platform::TrayHosts& trayHosts;
  std::function<CommandContext()> commands;
  HotKeyDock& dock;
  GroupMenu& menu;
  FrameClock& clock;
};

class FrmTray final : public QWidget {
 public:
  // Takes the hot keys; the icon comes with PutUpIcon.
  explicit FrmTray(TrayServices services);
  // Puts up the icon, or waits for a tray to start; a restarted tray gets it again. Asking the
  // session bus for a tray and decoding the icon need not hold up the dock's first frame.
  void PutUpIcon();
  // Takes the icon down, then gives the hot keys back: the reverse of how they came.
  ~FrmTray() override;

  TrayMenu& Menu() { return *trayMenu_; }
  // None until a notification area runs.
  QSystemTrayIcon* Icon() { return trayIcon_; }
  // The combinations another program held when they were asked for.
  const std::vector<platform::HotKey>& RefusedHotKeys() const { return refused_; }
  // "QAV Launcher <major>.<minor>", a line break, and the product's web address.
  static QString ToolTip();
  // What the user is told about `refused`; empty when every combination was taken.
  static std::string RefusedNotice(const std::vector<platform::HotKey>& refused);

 private:
  // Puts the icon up, or takes it down and up again for a tray that has just (re)started.
  void AddIcon();
  void OnHotKey(platform::HotKey key);
  void TellRefused();

  TrayServices services_;
  std::unique_ptr<TrayMenu> trayMenu_;
  QSystemTrayIcon* trayIcon_ = nullptr;
  bool watching_ = false;
  std::vector<platform::HotKey> refused_;
};

}  // namespace qav
