// The Windows choice behind CreatePlatform(): the Win32 services made together.

#include "platform/native_platform.h"
#include "platform/windows/control_pipe.h"
#include "platform/windows/pipe_control_server.h"
#include "platform/windows/win_desktop.h"
#include "platform/windows/win_file_ops.h"
#include "platform/windows/win_hot_keys.h"
#include "platform/windows/win_process_control.h"
#include "platform/windows/win_program_launcher.h"
#include "platform/windows/win_recycle_bin.h"
#include "platform/windows/win_registry.h"
#include "platform/windows/win_shell_folders.h"
#include "platform/windows/win_single_instance.h"
#include "platform/windows/win_system_actions.h"
#include "platform/windows/win_system_info.h"
#include "platform/windows/win_termination_watch.h"
#include "platform/windows/win_tray_hosts.h"
#include "platform/windows/win_volumes.h"
#include "platform/windows/win_window_shape.h"

namespace qav::platform {
namespace {

class WinWatch final : public TerminationWatch {
 public:
  explicit WinWatch(std::function<void()> onRequest) : watch_(std::move(onRequest)) {}

 private:
  WinTerminationWatch watch_;
};

class WinSystemServices final : public SystemServices {
 public:
  Platform Bundle(MessageBoxes& messages) override {
    return {registry_, folders_,  system_,  files_, messages, process_,
            desktop_,  launcher_, actions_, trash_, volumes_};
  }
  WindowShape& Shape() override { return shape_; }
  HotKeys& Keys() override { return hotKeys_; }
  TrayHosts& Trays() override { return trayHosts_; }

 private:
  WinRegistry registry_;
  WinShellFolders folders_;
  WinSystemInfo system_;
  WinFileOps files_;
  WinProcessControl process_;
  WinDesktop desktop_;
  WinProgramLauncher launcher_;
  WinSystemActions actions_{process_};
  WinRecycleBin trash_;
  WinVolumes volumes_;
  WinWindowShape shape_;
  WinHotKeys hotKeys_;
  WinTrayHosts trayHosts_;
};

class WinPlatformServices final : public PlatformServices {
 public:
  std::unique_ptr<SingleInstance> CreateSingleInstance() override {
    return std::make_unique<WinSingleInstance>();
  }
  // Windows gives every file its icon through the shell; there is no theme to choose.
  void EnsureIconTheme() override {}
  // Windows has no notification service apart from the tray; the caller tells the user itself.
  bool SendDesktopNotice(const std::string& /*summary*/, const std::string& /*body*/) override {
    return false;
  }
  std::unique_ptr<TerminationWatch> WatchTermination(std::function<void()> onRequest) override {
    return std::make_unique<WinWatch>(std::move(onRequest));
  }
  std::unique_ptr<ControlListener> CreateControlListener(ControlHandler handler) override {
    return std::make_unique<PipeControlServer>(DefaultControlPipeName(), std::move(handler));
  }
  SendResult SendControlRequest(const std::string& line, int waitForDockMs,
                                int answerTimeoutMs) override {
    return SendPipeRequest(DefaultControlPipeName(), line, waitForDockMs, answerTimeoutMs);
  }
  std::unique_ptr<SystemServices> OpenServices() override {
    return std::make_unique<WinSystemServices>();
  }
  // The process heap needs no setting up for the start.
  void EndStartUp() override {}
};

}  // namespace

std::unique_ptr<PlatformServices> CreatePlatform() {
  return std::make_unique<WinPlatformServices>();
}

std::unique_ptr<FileOps> CreateFileOps() {
  return std::make_unique<WinFileOps>();
}

}  // namespace qav::platform
