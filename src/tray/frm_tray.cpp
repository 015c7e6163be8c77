#include "tray/frm_tray.h"

#include <QIcon>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>

#include "tray/product_site.h"

namespace qav {
namespace {

// The tray has to embed the icon before a balloon can point at it.
constexpr int kNoticeDelayMilliseconds = 1500;

}  // namespace

FrmTray::FrmTray(TrayServices services)
    : services_(std::move(services)),
      trayMenu_(std::make_unique<TrayMenu>(services_.commands, services_.clock)) {
  setWindowTitle("QAV Launcher");
  setAccessibleName("QAV Launcher");
  refused_ = services_.hotKeys.Install([this](platform::HotKey key) { OnHotKey(key); });
  if (!refused_.empty()) {
    QTimer::singleShot(kNoticeDelayMilliseconds, this, [this] { TellRefused(); });
  }
}

void FrmTray::PutUpIcon() {
  if (watching_) return;
  watching_ = true;
  setWindowIcon(QIcon(":/app/qav-launcher.png"));
  // The icon is made only once a tray runs (known now, or found by the watch's first look): the
  // kind of tray there is then decides how Qt shows it, and a guess made too early would stick
  // for the whole run.
  services_.trayHosts.Watch([this] { AddIcon(); });
  if (services_.trayHosts.Available()) AddIcon();
}

void FrmTray::AddIcon() {
  if (trayIcon_) {
    trayIcon_->hide();
  } else {
    trayIcon_ = new QSystemTrayIcon(windowIcon(), this);
    trayIcon_->setToolTip(ToolTip());
    trayIcon_->setContextMenu(&trayMenu_->Menu());
    connect(trayIcon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
              if (reason == QSystemTrayIcon::Trigger) services_.dock.AltSpace();
            });
  }
  trayIcon_->show();
}

FrmTray::~FrmTray() {
  if (trayIcon_) trayIcon_->hide();
  delete trayIcon_;
  trayIcon_ = nullptr;
  services_.hotKeys.Remove();
}

QString FrmTray::ToolTip() {
  return QStringLiteral("QAV Launcher %1.%2\r\n%3")
      .arg(QAV_VERSION_MAJOR)
      .arg(QAV_VERSION_MINOR)
      .arg(QString::fromLatin1(kProductSite.home));
}

std::string FrmTray::RefusedNotice(const std::vector<platform::HotKey>& refused) {
  if (refused.empty()) return {};
  std::string keys;
  for (std::size_t i = 0; i < refused.size(); ++i) {
    if (i > 0) keys += i + 1 == refused.size() ? " and " : ", ";
    keys += platform::HotKeyText(refused[i]);
  }
  const bool one = refused.size() == 1;
  return "QAV Launcher could not take the hot key" + std::string(one ? " " : "s ") + keys +
         (one ? ": another program already uses it. " : ": other programs already use them. ") +
         "The other hot keys work as usual.";
}

void FrmTray::OnHotKey(platform::HotKey key) {
  HotKeyTargets targets{services_.state, services_.dock, services_.menu, [this] {
                          CommandContext c = services_.commands();
                          SwitchDesktop(c);
                        }};
  RunHotKey(targets, key);
}

// Said once per start: a combination that silently does nothing would look like a fault.
void FrmTray::TellRefused() {
  const QString text = QString::fromStdString(RefusedNotice(refused_));
  qWarning("%s", qPrintable(text));
  if (trayIcon_ && services_.trayHosts.Available()) {
    trayIcon_->showMessage("QAV Launcher", text, QSystemTrayIcon::Warning);
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Warning, "QAV Launcher", text, QMessageBox::Ok);
  box->setAccessibleName("QAV Launcher");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace qav
