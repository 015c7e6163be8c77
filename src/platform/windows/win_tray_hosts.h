#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <functional>

#include "platform/tray_hosts.h"

namespace qav::platform {

// Explorer's notification area is part of the shell and always there. When Explorer starts
// again, it broadcasts "TaskbarCreated" to every top-level window; that is an arrival. Each of
// the program's windows receives the broadcast, so one arrival is reported per broadcast.
class WinTrayHosts final : public TrayHosts, private QAbstractNativeEventFilter {
 public:
  WinTrayHosts();
  ~WinTrayHosts() override;
  WinTrayHosts(const WinTrayHosts&) = delete;
  WinTrayHosts& operator=(const WinTrayHosts&) = delete;

  bool Available() override { return true; }
  void Watch(std::function<void()> arrived) override;

 private:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  unsigned taskbarCreated_ = 0;
  unsigned long lastBroadcast_ = 0;
  std::function<void()> arrived_;
  bool filtering_ = false;
  // Owns the calls queued from the filter, so none runs after this is gone.
  QObject calls_;
};

}  // namespace qav::platform
