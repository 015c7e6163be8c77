#include "platform/windows/win_tray_hosts.h"

#include <windows.h>

#include <QCoreApplication>
#include <QTimer>

namespace qav::platform {

WinTrayHosts::WinTrayHosts() : taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {}

WinTrayHosts::~WinTrayHosts() {
  if (filtering_ && QCoreApplication::instance()) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void WinTrayHosts::Watch(std::function<void()> arrived) {
  arrived_ = std::move(arrived);
  if (!filtering_ && QCoreApplication::instance() && taskbarCreated_ != 0) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    filtering_ = true;
  }
}

bool WinTrayHosts::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
  if (eventType != "windows_generic_MSG") return false;
  const auto* msg = static_cast<const MSG*>(message);
  if (msg->message != taskbarCreated_ || msg->time == lastBroadcast_) return false;
  lastBroadcast_ = msg->time;
  // Run once the filter has returned: the callback may make and show windows.
  QTimer::singleShot(0, &calls_, [this] {
    if (arrived_) arrived_();
  });
  return false;
}

}  // namespace qav::platform
