#include "platform/windows/win_termination_watch.h"

#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>

#include <atomic>
#include <mutex>
#include <optional>

namespace qav::platform {

struct WinTerminationWatch::Shared {
  Shared() = default;
  ~Shared() {
    if (done) ::CloseHandle(done);
  }
  Shared(const Shared&) = delete;
  Shared& operator=(const Shared&) = delete;

  // Runs the request once, on the user-interface thread, and tells a waiting handler.
  void Run() {
    std::call_once(once, [this] { onRequest(); });
    if (done) ::SetEvent(done);
  }

  std::function<void()> onRequest;
  std::once_flag once;
  std::atomic<bool> requested{false};
  HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

namespace {

struct ActiveWatch {
  QObject* calls;
  std::shared_ptr<WinTerminationWatch::Shared> shared;
};

// The console control handler runs on a thread of its own and can reach nothing but this: set
// when a watch is made, cleared when it ends, and only touched under the lock.
std::mutex g_activeLock;
std::optional<ActiveWatch> g_active;

// The system ends the process soon after the handler of a closed console, a log-off or a
// shutdown returns (five seconds at most), so the handler waits for the saving just short of it.
constexpr DWORD kSavingWaitMs = 4500;

BOOL WINAPI OnConsoleControl(DWORD event) {
  std::shared_ptr<WinTerminationWatch::Shared> shared;
  {
    const std::lock_guard lock(g_activeLock);
    if (!g_active) return FALSE;
    shared = g_active->shared;
    // A second Ctrl+C ends the program at once, should the orderly way out hang.
    if (shared->requested.exchange(true) && event == CTRL_C_EVENT) return FALSE;
    QMetaObject::invokeMethod(
        g_active->calls, [shared] { shared->Run(); }, Qt::QueuedConnection);
  }
  const bool ending =
      event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
  if (ending && shared->done) ::WaitForSingleObject(shared->done, kSavingWaitMs);
  return TRUE;
}

}  // namespace

WinTerminationWatch::WinTerminationWatch(std::function<void()> onRequest)
    : shared_(std::make_shared<Shared>()) {
  shared_->onRequest = std::move(onRequest);
  {
    const std::lock_guard lock(g_activeLock);
    g_active = ActiveWatch{&calls_, shared_};
  }
  ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  if (QCoreApplication::instance()) QCoreApplication::instance()->installNativeEventFilter(this);
}

WinTerminationWatch::~WinTerminationWatch() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
  ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
  const std::lock_guard lock(g_activeLock);
  if (g_active && g_active->calls == &calls_) g_active.reset();
}

// The session ends when this message's handling returns: the request runs now, not queued.
bool WinTerminationWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                            qintptr* /*result*/) {
  if (eventType != "windows_generic_MSG") return false;
  const auto* msg = static_cast<const MSG*>(message);
  if (msg->message == WM_ENDSESSION && msg->wParam) shared_->Run();
  return false;
}

}  // namespace qav::platform
