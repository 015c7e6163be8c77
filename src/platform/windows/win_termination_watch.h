#pragma once
// The ways a Windows session asks a program to end, turned into one call on the user-interface
// thread: the console's control events (Ctrl+C, its window closed, log off, shut down) and
// WM_ENDSESSION. The session's earlier question, WM_QUERYENDSESSION, reaches the program as Qt's
// commitDataRequest.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <functional>
#include <memory>

namespace qav::platform {

class WinTerminationWatch final : private QAbstractNativeEventFilter {
 public:
  // `onRequest` runs on the thread that owns the Qt event loop. A second Ctrl+C ends the program
  // at once, should the orderly way out hang.
  explicit WinTerminationWatch(std::function<void()> onRequest);
  ~WinTerminationWatch() override;
  WinTerminationWatch(const WinTerminationWatch&) = delete;
  WinTerminationWatch& operator=(const WinTerminationWatch&) = delete;

  struct Shared;

 private:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  std::shared_ptr<Shared> shared_;
  // Receives the requests of the console's thread; the ones still queued end with it.
  QObject calls_;
};

}  // namespace qav::platform
