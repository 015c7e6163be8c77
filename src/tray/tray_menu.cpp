#include "tray/tray_menu.h"

#include "tray/product_site.h"

namespace qav {

TrayMenu::TrayMenu(std::function<CommandContext()> commands, FrameClock& clock)
    : commands_(std::move(commands)), clock_(clock) {
  menu_.setTitle("QAV Launcher");
  menu_.setAccessibleName("QAV Launcher");
  menu_.addAction("&Change User Icon", [this] { ChangeUserIcon(); });
  menu_.addAction("&Settings", [this] { Settings(); });
  menu_.addAction("&About QAV Launcher", [this] { About(); });
  menu_.addSeparator();
  menu_.addAction("&Visit Our Official Website", [this] { VisitWebsite(); });
  menu_.addAction("&Online Help", [this] { OnlineHelp(); });
  menu_.addSeparator();
  menu_.addAction("&Exit", [this] { Exit(); });
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
