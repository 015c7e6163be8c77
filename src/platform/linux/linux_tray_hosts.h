#pragma once

#include <QDBusMessage>
#include <QTimer>

#include <cstdint>
#include <string>

#include "platform/tray_hosts.h"

namespace qav::platform {

// Both kinds of notification area a Linux desktop runs: a StatusNotifierItem host on the session
// bus (its watcher service with a host registered) and an XEmbed tray (the owner of the
// _NET_SYSTEM_TRAY_S<n> selection). Neither announces itself to programs that are not yet
// showing an icon, so they are looked at every two seconds: a new watcher or a new tray window
// is an arrival.
class LinuxTrayHosts final : public TrayHosts {
 public:
  LinuxTrayHosts();
  bool Available() override;
  void Watch(std::function<void()> arrived) override;

 private:
  // Who serves the notification area now; empty when none does.
  std::string CurrentHost();
  std::string Combined(const std::string& sniHost);
  static QDBusMessage HostQuestion();
  static std::string SniHost(const QDBusMessage& reply);
  std::uint32_t XEmbedTray();
  void Look();
  void Decide(const std::string& host);

  QTimer timer_;
  std::function<void()> arrived_;
  std::string host_;
  bool asking_ = false;
};

}  // namespace qav::platform
