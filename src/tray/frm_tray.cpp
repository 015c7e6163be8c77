#include "tray/frm_tray.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace qav {

FrmTray::FrmTray(std::function<void()> onExit)
    : onExit_(std::move(onExit)), trayMenu_(std::make_unique<QMenu>()) {
  setWindowTitle("QAV Launcher");
  // The exit closes this window and its menu, so it runs after the menu's own signal returns.
  trayMenu_->addAction(
      "&Exit", [exit = onExit_] { QMetaObject::invokeMethod(qApp, exit, Qt::QueuedConnection); });
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  trayIcon_ =
      new QSystemTrayIcon(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon), this);
  trayIcon_->setToolTip(
      QStringLiteral("QAV Launcher %1.%2").arg(QAV_VERSION_MAJOR).arg(QAV_VERSION_MINOR));
  trayIcon_->setContextMenu(trayMenu_.get());
  trayIcon_->show();
}

FrmTray::~FrmTray() {
  if (trayIcon_) trayIcon_->hide();
}

}  // namespace qav
