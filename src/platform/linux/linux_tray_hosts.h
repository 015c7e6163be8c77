#pragma once

#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/tray_hosts.h"

namespace qav::platform {

// How the notification areas are asked after. Neither question may wait on the
// user-interface thread for another program.
struct TrayQuestions {
  // Asks the session bus which StatusNotifierItem watcher has a host registered; `answer` gets
  // the watcher's unique name (empty: none) later, from the event loop.
  std::function<void(std::function<void(const std::string& watcher)> answer)> askSniHost;
  // The window owning the XEmbed tray selection of the first screen; 0 when none does.
  std::function<std::uint32_t()> xembedTray;
};

// The session bus without waiting, and the X server.
TrayQuestions SessionTrayQuestions();

// Both kinds of notification area a Linux desktop runs: a StatusNotifierItem host on the session
// bus (its watcher service with a host registered) and an XEmbed tray (the owner of the
// _NET_SYSTEM_TRAY_S<n> selection). Neither announces itself to programs that are not yet
// showing an icon, so they are looked at every two seconds: a new watcher or a new tray window
// is an arrival. What runs is known from the last look; nothing asks the bus and waits.
class LinuxTrayHosts final : public TrayHosts {
 public:
  explicit LinuxTrayHosts(TrayQuestions questions = SessionTrayQuestions());
  bool Available() override;
  void Watch(std::function<void()> arrived) override;

 private:
  void Look();
  void Decide(const std::string& host);

  TrayQuestions questions_;
  QTimer timer_;
  std::function<void()> arrived_;
  std::string host_;
  bool asking_ = false;
  // An answer that comes once this object is gone finds it expired.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qav::platform
