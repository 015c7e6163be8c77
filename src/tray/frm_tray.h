#pragma once
// The hidden window that owns the notification-area icon and its menu for the whole run.

#include <QWidget>

#include <functional>
#include <memory>

class QSystemTrayIcon;
class QMenu;

namespace qav {

class FrmTray final : public QWidget {
 public:
  // `onExit` runs the program's orderly way out.
  explicit FrmTray(std::function<void()> onExit);
  ~FrmTray() override;

 private:
  std::function<void()> onExit_;
  std::unique_ptr<QMenu> trayMenu_;
  QSystemTrayIcon* trayIcon_ = nullptr;
};

}  // namespace qav
