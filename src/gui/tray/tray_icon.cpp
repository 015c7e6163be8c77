#include "gui/tray/tray_icon.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QWindow>

#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <algorithm>

#include "core/environment/hot_key_file.h"
#include "gui/tray/product_site.h"

namespace qav {
namespace {

// The tray has to embed the icon before a balloon can point at it.
constexpr int kNoticeDelayMilliseconds = 1500;

}  // namespace

TrayIcon::TrayIcon(TrayServices services)
    : services_(std::move(services)),
      trayMenu_(std::make_unique<TrayMenu>(services_.commands, services_.clock)) {
  setWindowTitle(Caption());
  setAccessibleName(Caption());
  services_.hotKeys.WhenDesktopBinds([this](const std::string& text) {
    QTimer::singleShot(kNoticeDelayMilliseconds, this,
                       [this, notice = QString::fromStdString(text)] { Tell(notice, false); });
  });
  const HotKeyChoice choice = ReadHotKeyFile(services_.state.paths.HotKeyFile);
  bindings_ = choice.bindings;
  fileProblems_ = choice.problems;
  TakeHotKeys();
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          [this](QWindow* window) { FollowFocus(window); });
  if (!refused_.empty() || !fileProblems_.empty()) {
    QTimer::singleShot(kNoticeDelayMilliseconds, this, [this] { TellRefused(); });
  }
}

void TrayIcon::TakeHotKeys() {
  refused_ = services_.hotKeys.Install(bindings_, [this](platform::HotKey key) { OnHotKey(key); });
  FollowFocus(QGuiApplication::focusWindow());
}

std::vector<platform::HotKey> TrayIcon::ApplyHotKeys(const platform::HotKeyBindings& bindings) {
  bindings_ = bindings;
  fileProblems_.clear();
  TakeHotKeys();
  return refused_;
}

// The dock and the group menu keep the hot keys (Alt+Space ends keyboard mode there); in a
// dialog the combinations are the dialog's own keys, as in any other program.
// A dialog that closes or goes away while it has the keyboard may leave without word of the
// focus moving on, so its going is watched too.
void TrayIcon::FollowFocus(QWindow* window) {
  bool dialog = false;
  if (window != nullptr && window->isVisible()) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->windowHandle() == window) dialog = qobject_cast<QDialog*>(widget) != nullptr;
    }
  }
  services_.hotKeys.Pause(dialog);
  if (!dialog || window == pausedFor_) return;
  pausedFor_ = window;
  const auto again = [this] {
    QTimer::singleShot(0, this, [this] { FollowFocus(QGuiApplication::focusWindow()); });
  };
  connect(window, &QObject::destroyed, this, again);
  connect(window, &QWindow::visibleChanged, this, [again](bool visible) {
    if (!visible) again();
  });
}

void TrayIcon::PutUpIcon() {
  if (watching_) return;
  watching_ = true;
  setWindowIcon(QIcon(":/app/qav-launcher.png"));
  // The icon is made only once a tray runs (known now, or found by the watch's first look): the
  // kind of tray there is then decides how Qt shows it, and a guess made too early would stick
  // for the whole run.
  services_.trayHosts.Watch([this] { AddIcon(); });
  if (services_.trayHosts.Available()) AddIcon();
}

void TrayIcon::AddIcon() {
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

TrayIcon::~TrayIcon() {
  if (trayIcon_) trayIcon_->hide();
  delete trayIcon_;
  trayIcon_ = nullptr;
  services_.hotKeys.Remove();
}

QString TrayIcon::ToolTip() {
  return QStringLiteral("QAV Launcher %1.%2\r\n%3")
      .arg(QAV_VERSION_MAJOR)
      .arg(QAV_VERSION_MINOR)
      .arg(QString::fromLatin1(kProductSite.home));
}

QString TrayIcon::Caption() {
  return QCoreApplication::translate("TrayIcon", "QAV Launcher");
}

namespace {

// "Shift+Tab, Ctrl+Tab and Super+K".
QString KeyList(const std::vector<platform::HotKey>& refused,
                const platform::HotKeyBindings& bindings) {
  QStringList keys;
  for (const platform::HotKey key : refused) {
    const auto& combination = bindings[static_cast<std::size_t>(key)];
    keys << QString::fromStdString(combination ? platform::CombinationText(*combination) : "?");
  }
  const QString last = keys.takeLast();
  if (keys.isEmpty()) return last;
  return QCoreApplication::translate("TrayIcon", "%1 and %2").arg(keys.join(", "), last);
}

}  // namespace

std::string TrayIcon::RefusedNotice(const std::vector<platform::HotKey>& refused,
                                    const platform::HotKeyBindings& bindings,
                                    const std::vector<std::string>& problems,
                                    const std::string& file) {
  QString text;
  if (!problems.empty()) {
    // The lines' problems quote the file and stay in its words.
    text = QCoreApplication::translate("TrayIcon",
                                       "Some lines of %1 could not be used (those actions keep "
                                       "their usual keys):")
               .arg(QString::fromStdString(file));
    for (const std::string& problem : problems)
      text += "\n" + QString::fromStdString(problem) + ".";
    if (!refused.empty()) text += "\n\n";
  }
  if (refused.empty()) return text.toStdString();
  text +=
      (refused.size() == 1
           ? QCoreApplication::translate("TrayIcon",
                                         "QAV Launcher could not take the hot key %1: another "
                                         "program, often the window manager, already uses it. ")
           : QCoreApplication::translate("TrayIcon",
                                         "QAV Launcher could not take the hot keys %1: other "
                                         "programs, often the window manager, already use them. "))
          .arg(KeyList(refused, bindings));
  const bool focus =
      std::find(refused.begin(), refused.end(), platform::HotKey::kFocus) != refused.end();
  if (focus) {
    text += QCoreApplication::translate(
        "TrayIcon",
        "To bring the launcher up, click its tray icon, bind the command \"qav-launcher "
        "--keyboard\" to a shortcut in the desktop's keyboard settings, or choose another "
        "combination on the Keys page of the settings.");
  } else {
    text += QCoreApplication::translate(
        "TrayIcon", "Choose another combination on the Keys page of the settings.");
  }
  const std::size_t bound = static_cast<std::size_t>(
      std::count_if(bindings.begin(), bindings.end(), [](const auto& b) { return b.has_value(); }));
  if (bound > refused.size()) {
    text += QCoreApplication::translate("TrayIcon", " The other hot keys work as usual.");
  }
  return text.toStdString();
}

void TrayIcon::OnHotKey(platform::HotKey key) {
  HotKeyTargets targets{services_.state, services_.dock, services_.menu, [this] {
                          CommandContext c = services_.commands();
                          SwitchDesktop(c);
                        }};
  RunHotKey(targets, key);
}

// Said once per start: a combination that silently does nothing would look like a fault.
void TrayIcon::TellRefused() {
  const QString text = QString::fromStdString(
      RefusedNotice(refused_, bindings_, fileProblems_, services_.state.paths.HotKeyFile));
  if (text.isEmpty()) return;
  qWarning("%s", qPrintable(text));
  Tell(text, true);
}

// Through the tray where one runs, else in a box that waits for nobody.
void TrayIcon::Tell(const QString& text, bool warning) {
  if (trayIcon_ && services_.trayHosts.Available()) {
    trayIcon_->showMessage(Caption(), text,
                           warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
    return;
  }
  auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, Caption(),
                              text, QMessageBox::Ok);
  box->setAccessibleName(Caption());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace qav
