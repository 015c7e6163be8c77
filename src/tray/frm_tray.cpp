#include "tray/frm_tray.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace qav {

FrmTray::FrmTray(std::function<void()> onExit)
    : onExit_(std::move(onExit)), trayMenu_(std::make_unique<QMenu>()) {
  setWindowTitle("QAV Launcher");
  trayMenu_->addAction("&Exit", [this] { onExit_(); });
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
