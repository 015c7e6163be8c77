// The Linux choice behind CreatePlatform(): the freedesktop and X11 or Wayland services made
// together.

#include <malloc.h>

#include "platform/linux/control_socket.h"
#include "platform/linux/desktop_notice.h"
#include "platform/linux/file_lock_instance.h"
#include "platform/linux/icon_theme.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/start_up_heap.h"
#include "platform/linux/termination_signals.h"
#include "platform/native_platform.h"

namespace qav::platform {
namespace {

class LinuxTerminationWatch final : public TerminationWatch {
 public:
  explicit LinuxTerminationWatch(std::function<void()> onRequest)
      : signals_(std::move(onRequest)) {}

 private:
  TerminationSignals signals_;
};

class LinuxSystemServices final : public SystemServices {
 public:
  Platform Bundle(MessageBoxes& messages) override {
    return {system_.registry, system_.folders, system_.system,  system_.files,
            messages,         system_.process, system_.desktop, system_.launcher,
            system_.actions,  system_.trash,   system_.volumes};
  }
  WindowShape& Shape() override { return *system_.shape; }
  HotKeys& Keys() override { return *system_.hotKeys; }
  TrayHosts& Trays() override { return system_.trayHosts; }

 private:
  LinuxPlatform system_;
};

class LinuxPlatformServices final : public PlatformServices {
 public:
  std::unique_ptr<SingleInstance> CreateSingleInstance() override {
    return std::make_unique<FileLockInstance>(FileLockInstance::DefaultLockPath());
  }
  void EnsureIconTheme() override { platform::EnsureIconTheme(); }
  bool SendDesktopNotice(const std::string& summary, const std::string& body) override {
    return platform::SendDesktopNotice(summary, body);
  }
  std::unique_ptr<TerminationWatch> WatchTermination(std::function<void()> onRequest) override {
    return std::make_unique<LinuxTerminationWatch>(std::move(onRequest));
  }
  std::unique_ptr<ControlListener> CreateControlListener(ControlHandler handler) override {
    return std::make_unique<ControlServer>(DefaultControlSocketPath(), std::move(handler));
  }
  SendResult SendControlRequest(const std::string& line, int waitForDockMs,
                                int answerTimeoutMs) override {
    return platform::SendControlRequest(DefaultControlSocketPath(), line, SocketOwnedByUser,
                                        waitForDockMs, answerTimeoutMs);
  }
  std::unique_ptr<SystemServices> OpenServices() override {
    return std::make_unique<LinuxSystemServices>();
  }
  void EndStartUp() override { heap_.End(); }

 private:
  StartUpHeap heap_;
};

}  // namespace

std::unique_ptr<PlatformServices> CreatePlatform() {
  // Every thread allocates from one heap. Pictures decoded on a helper thread would otherwise
  // live in a heap of their own, whose free top the C library never gives back (trimming only
  // shrinks the main heap's), and Qt's few threads each hold one more.
  ::mallopt(M_ARENA_MAX, 1);
  return std::make_unique<LinuxPlatformServices>();
}

std::unique_ptr<FileOps> CreateFileOps() {
  return std::make_unique<PosixFileOps>();
}

}  // namespace qav::platform
