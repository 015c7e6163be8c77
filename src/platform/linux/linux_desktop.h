#pragma once
// The desktop's icon view, switched through the setting each desktop keeps for it: xfdesktop's
// icon style on Xfce, the "Desktop Icons NG" extension on GNOME, Caja's and Nemo's
// show-desktop-icons on MATE and Cinnamon. Hiding remembers what the user had, and showing puts
// exactly that back, so icons the user switched off stay off. Other desktops are left alone.
//
// No desktop has a standard switch for its panel, so the task bar is never changed.

#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/linux/system_commands.h"

namespace qav::platform {

class LinuxDesktop final : public Desktop {
 public:
  explicit LinuxDesktop(SystemCommands commands);

  bool ShowDesktopIcons(bool show) override;
  void ShowTaskbar(bool /*show*/) override {}

 private:
  SystemCommands commands_;
  std::optional<std::string> hiddenFrom_;  // the setting's value before we hid the icons
};

}  // namespace qav::platform
