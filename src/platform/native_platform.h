#pragma once
// The operating system's implementation of every platform service, made through one factory so
// that nothing above the platform layer names the system it runs on. Each system implements
// CreatePlatform() once; the build picks the implementation.

#include <functional>
#include <memory>
#include <string>

#include "platform/control_channel.h"
#include "platform/file_ops.h"
#include "platform/hot_keys.h"
#include "platform/platform.h"
#include "platform/single_instance.h"
#include "platform/tray_hosts.h"
#include "platform/window_shape.h"

namespace qav::platform {

// While it lives, a request to end the process (from the session, a terminal or a service
// manager) runs the callback it was made with on the user-interface thread.
class TerminationWatch {
 public:
  virtual ~TerminationWatch() = default;
};

// The services that need the application object: made after it, ended before it.
class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Every service the core uses, with `messages` answering in place of message boxes.
  virtual Platform Bundle(MessageBoxes& messages) = 0;
  virtual WindowShape& Shape() = 0;
  virtual HotKeys& Keys() = 0;
  virtual TrayHosts& Trays() = 0;
};

// The process-level services: usable before the application object exists.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // The lock that keeps one dock per user.
  virtual std::unique_ptr<SingleInstance> CreateSingleInstance() = 0;
  // Makes file icons findable even where no desktop environment names an icon theme.
  virtual void EnsureIconTheme() = 0;
  // A notice through the desktop's notification service; false when none took it.
  virtual bool SendDesktopNotice(const std::string& summary, const std::string& body) = 0;
  // Also lets a write past the user's file-size limit fail like any other write.
  virtual std::unique_ptr<TerminationWatch> WatchTermination(std::function<void()> onRequest) = 0;

  // The running dock's side of the control channel; it answers once Listen() succeeded.
  virtual std::unique_ptr<ControlListener> CreateControlListener(ControlHandler handler) = 0;
  // Sends one request line to the running dock; `waitForDockMs` keeps trying to reach a dock
  // that may still be starting.
  virtual SendResult SendControlRequest(const std::string& line, int waitForDockMs,
                                        int answerTimeoutMs) = 0;

  // Needs the application object (Qt) to exist.
  virtual std::unique_ptr<SystemServices> OpenServices() = 0;

  // The dock is up and every picture built: memory is kept for a long run from here on.
  virtual void EndStartUp() = 0;
};

std::unique_ptr<PlatformServices> CreatePlatform();

// Writes on the local file system, for tools and tests that work on real files without the
// rest of the platform.
std::unique_ptr<FileOps> CreateFileOps();

}  // namespace qav::platform
