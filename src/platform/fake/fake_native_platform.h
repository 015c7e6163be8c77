#pragma once
// A whole platform for tests: the process-level services and every service the windows and the
// core use, as recording fakes, so that a test can run the program's start-up and way out without
// the operating system. Files are the one thing the test hands in (usually real ones in a
// temporary folder).

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_tray_hosts.h"
#include "platform/native_platform.h"

namespace qav::platform::fake {

class FakeWindowShape final : public WindowShape {
 public:
  void SetInputRegion(std::uintptr_t, const std::vector<ShapeRect>& rects) override {
    regions.push_back(rects);
  }
  void ClearInputRegion(std::uintptr_t) override { ++clears; }

  std::vector<std::vector<ShapeRect>> regions;
  int clears = 0;
};

// The services that follow the application object; the test reaches every fake by name.
class FakeSystemServices final : public SystemServices {
 public:
  explicit FakeSystemServices(FileOps& files) : files_(files) {}
  Platform Bundle(MessageBoxes& messages) override {
    return {registry, folders,  system,  files_, messages, process,
            desktop,  launcher, actions, trash,  volumes};
  }
  WindowShape& Shape() override { return shape; }
  HotKeys& Keys() override { return hotKeys; }
  TrayHosts& Trays() override { return trayHosts; }

  FakeRegistry registry;
  FakeShellFolders folders;
  FakeSystemInfo system;
  FakeProcessControl process;
  FakeDesktop desktop;
  FakeProgramLauncher launcher;
  FakeSystemActions actions;
  FakeTrash trash;
  FakeVolumes volumes;
  FakeWindowShape shape;
  FakeHotKeys hotKeys;
  FakeTrayHosts trayHosts;

 private:
  FileOps& files_;
};

// The process-level services. The single-instance lock is free unless `instanceHeld`; a request
// to end arrives when the test calls `RequestTermination`; a request line sent to "the running
// dock" gets `sendResult`.
class FakePlatformServices final : public PlatformServices {
 public:
  explicit FakePlatformServices(FileOps& files) : services(files) {}

  std::unique_ptr<SingleInstance> CreateSingleInstance() override {
    return std::make_unique<Instance>(instanceHeld);
  }
  void EnsureIconTheme() override {
    if (onIconTheme) onIconTheme();
  }
  bool SendDesktopNotice(const std::string& summary, const std::string& body) override {
    notices.push_back(summary + ": " + body);
    return true;
  }
  std::unique_ptr<TerminationWatch> WatchTermination(std::function<void()> onRequest) override {
    terminate_ = std::move(onRequest);
    return std::make_unique<TerminationWatch>();
  }
  std::unique_ptr<ControlListener> CreateControlListener(ControlHandler handler) override {
    handler_ = std::move(handler);
    return std::make_unique<Listener>();
  }
  SendResult SendControlRequest(const std::string& line, int, int) override {
    sentLines.push_back(line);
    return sendResult;
  }
  // Hands out the one set of services below, which outlives what it returns.
  std::unique_ptr<SystemServices> OpenServices() override {
    return std::make_unique<Borrowed>(services);
  }
  void EndStartUp() override { ++startUpEnds; }

  // What a termination signal would do; false before anything watches for one.
  bool RequestTermination() {
    if (!terminate_) return false;
    terminate_();
    return true;
  }
  // True once the dock listens on the control channel (its start-up is over).
  bool Listening() const { return static_cast<bool>(handler_); }
  // A request line as the control channel would deliver it; empty before anything listens.
  std::string Deliver(const std::string& line) { return handler_ ? handler_(line) : std::string(); }

  FakeSystemServices services;
  bool instanceHeld = false;
  SendResult sendResult;
  std::vector<std::string> sentLines;
  std::vector<std::string> notices;
  int startUpEnds = 0;
  // Runs once the application object exists (the start-up asks for the icon theme then).
  std::function<void()> onIconTheme;

 private:
  class Instance final : public SingleInstance {
   public:
    explicit Instance(bool held) : held_(held) {}
    bool TryAcquire() override { return !held_; }

   private:
    bool held_;
  };
  class Listener final : public ControlListener {
   public:
    bool Listen() override { return true; }
  };
  class Borrowed final : public SystemServices {
   public:
    explicit Borrowed(SystemServices& services) : services_(services) {}
    Platform Bundle(MessageBoxes& messages) override { return services_.Bundle(messages); }
    WindowShape& Shape() override { return services_.Shape(); }
    HotKeys& Keys() override { return services_.Keys(); }
    TrayHosts& Trays() override { return services_.Trays(); }

   private:
    SystemServices& services_;
  };

  std::function<void()> terminate_;
  ControlHandler handler_;
};

}  // namespace qav::platform::fake
