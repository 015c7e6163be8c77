#pragma once
// System-wide keys in a Wayland session, where no program may grab keys: through the desktop's
// global-shortcuts portal where it offers one; elsewhere the desktop binds the keys to the
// program's command lines, and the user is told once how.

#include <functional>
#include <memory>
#include <string>

#include "platform/hot_keys.h"

namespace qav::platform {

class PortalShortcuts;

class WaylandHotKeys final : public HotKeys {
 public:
  struct Session {
    std::string currentDesktop;  // XDG_CURRENT_DESKTOP
    std::string command;         // how the user runs the program ("qav-launcher")
    // True the first time the notice is due on this desktop; remembers that it was.
    std::function<bool(const std::string& desktop)> firstNotice;
  };
  explicit WaylandHotKeys(Session session);
  ~WaylandHotKeys() override;
  WaylandHotKeys(const WaylandHotKeys&) = delete;
  WaylandHotKeys& operator=(const WaylandHotKeys&) = delete;

  void WhenDesktopBinds(std::function<void(const std::string&)> tell) override;
  // Nothing is refused: the desktop, not another program, decides. The desktop asks the user for
  // the combinations; an action the user turned off ("none") is not run.
  std::vector<HotKey> Install(const HotKeyBindings& bindings,
                              std::function<void(HotKey)> pressed) override;
  using HotKeys::Install;
  void Remove() override;
  // Nothing is held that a dialog would need back.
  void Pause(bool /*paused*/) override {}

 private:
  void PortalFailed(const std::string& why);

  Session session_;
  std::function<void(const std::string&)> tell_;
  std::unique_ptr<PortalShortcuts> portal_;
};

}  // namespace qav::platform
