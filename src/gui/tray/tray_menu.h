#pragma once
// The menu of the notification-area icon: the user item, settings and about, the product's web
// pages, and the way out.

#include <QMenu>

#include <functional>

#include "core/shortcuts/commands.h"
#include "gui/services/window_services.h"

namespace qav {

class TrayMenu final {
 public:
  // `commands` is asked at each use; `clock` lets pending events run before the program ends.
  TrayMenu(std::function<CommandContext()> commands, FrameClock& clock);

  QMenu& Menu() { return menu_; }

  // The entry actions, also run by tests without the pop-up.
  void ChangeUserIcon();
  void Settings();
  void About();
  void VisitWebsite();
  void OnlineHelp();
  void Exit();

 private:
  void Later(std::function<void()> action);

  std::function<CommandContext()> commands_;
  FrameClock& clock_;
  QMenu menu_;
};

}  // namespace qav
