#include "gui/tray/tray_menu.h"

#include <QCoreApplication>
#include <QTimer>

#include "gui/tray/product_site.h"

namespace qav {

TrayMenu::TrayMenu(std::function<CommandContext()> commands, FrameClock& clock)
    : commands_(std::move(commands)), clock_(clock) {
  menu_.setTitle(QCoreApplication::translate("TrayMenu", "QAV Launcher"));
  menu_.setAccessibleName(menu_.title());
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&Change User Icon"),
                  [this] { Later([this] { ChangeUserIcon(); }); });
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&Settings"),
                  [this] { Later([this] { Settings(); }); });
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&About QAV Launcher"),
                  [this] { Later([this] { About(); }); });
  menu_.addSeparator();
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&Visit Our Official Website"),
                  [this] { Later([this] { VisitWebsite(); }); });
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&Online Help"),
                  [this] { Later([this] { OnlineHelp(); }); });
  menu_.addSeparator();
  menu_.addAction(QCoreApplication::translate("TrayMenu", "&Exit"),
                  [this] { Later([this] { Exit(); }); });
}

// An entry runs once the menu's own event has returned: the menu may belong to a tray icon that
// is taken down and put up again meanwhile, and an entry opens boxes with loops of their own.
void TrayMenu::Later(std::function<void()> action) {
  QTimer::singleShot(0, &menu_, std::move(action));
}

void TrayMenu::ChangeUserIcon() {
  CommandContext c = commands_();
  ChangeUserNameAndIcon(c);
}

void TrayMenu::Settings() {
  commands_().dialogs.ShowSettings();
}

void TrayMenu::About() {
  commands_().dialogs.ShowAbout();
}

void TrayMenu::VisitWebsite() {
  CommandContext c = commands_();
  OpenOrTell(c.platform.launcher, c.platform.messages, kProductSite.index);
}

void TrayMenu::OnlineHelp() {
  CommandContext c = commands_();
  OpenOrTell(c.platform.launcher, c.platform.messages, kProductSite.faq);
}

// A shown dock fades out first, so the program does not vanish in the middle of a frame.
void TrayMenu::Exit() {
  CommandContext c = commands_();
  if (c.state.DockState == DockView::kShown) {
    c.dock.DockFocus(false);
    clock_.ProcessEvents();
  }
  c.dock.ExitApplication();
}

}  // namespace qav
