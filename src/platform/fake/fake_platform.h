#pragma once
// Recording stand-ins for the platform services, so that tests decide what the "system" holds
// and see what the program asked of it.

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "platform/process_control.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"

namespace qav::platform::fake {

// Keys and value names compare without regard to ASCII case, as the real stores do.
class FakeRegistry final : public Registry {
 public:
  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  long Set(std::uint32_t root, const std::string& subKey, const std::string& name,
           const RegData& data) override;
  long Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;

  // Test helpers.
  void SetString(std::uint32_t root, const std::string& subKey, const std::string& name,
                 const std::string& text);
  std::size_t ValueCount() const { return values_.size(); }
  int writes = 0;

 private:
  using Key = std::tuple<std::uint32_t, std::string, std::string>;
  static Key MakeKey(std::uint32_t root, const std::string& subKey, const std::string& name);
  std::map<Key, RegData> values_;
};

class FakeShellFolders final : public ShellFolders {
 public:
  std::string SpecialFolder(int csidl) override;
  std::map<int, std::string> folders;
};

class FakeSystemInfo final : public SystemInfo {
 public:
  std::string ExecutablePath() override { return executable; }
  std::optional<OsVersion> QueryOsVersion() override { return version; }
  std::string UserLogonName() override { return user; }
  std::optional<std::string> Environment(const std::string& name) override;

  std::string executable = "/opt/qav/qav-launcher";
  std::optional<OsVersion> version;
  std::string user = "tester";
  std::map<std::string, std::string> environment;
};

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(const MessageRequest& request) override {
    shown.push_back(request);
    return answer;
  }
  std::vector<MessageRequest> shown;
  MessageAnswer answer = MessageAnswer::kOk;
};

class FakeProcessControl final : public ProcessControl {
 public:
  bool EnableShutdownPrivilege() override { return true; }
  void SetShutdownOrder() override {}
  void TrimWorkingSet() override { ++trims; }
  int trims = 0;
};

class FakeDesktop final : public Desktop {
 public:
  void ShowDesktopIcons(bool show) override { calls.push_back(show ? "icons:show" : "icons:hide"); }
  void ShowTaskbar(bool show) override { calls.push_back(show ? "taskbar:show" : "taskbar:hide"); }
  std::vector<std::string> calls;
};

}  // namespace qav::platform::fake
