#pragma once
// Recording stand-ins for the platform services, so that tests decide what the "system" holds
// and see what the program asked of it.

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/process_control.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/system_actions.h"
#include "platform/system_info.h"
#include "platform/trash.h"
#include "platform/volumes.h"

namespace qav::platform::fake {

// Keys and value names compare without regard to ASCII case, as the real stores do.
class FakeRegistry final : public Registry {
 public:
  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
             const RegData& data) override;
  Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;

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
  std::vector<std::string> ApplicationFolders() override { return applicationFolders; }
  std::map<int, std::string> folders;
  std::vector<std::string> applicationFolders;
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

// Answers file dialogs in order from `answers` (empty once they run out) and records each request.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::vector<FileDialogRequest> requests;
  std::vector<std::string> answers;
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
  bool ShowDesktopIcons(bool show) override {
    calls.push_back(show ? "icons:show" : "icons:hide");
    return hasIconView;
  }
  void ShowTaskbar(bool show) override { calls.push_back(show ? "taskbar:show" : "taskbar:hide"); }
  std::vector<std::string> calls;
  bool hasIconView = true;
};

class FakeProgramLauncher final : public ProgramLauncher {
 public:
  bool Launch(const LaunchRequest& request) override {
    launched.push_back(request);
    return accept;
  }
  bool OpenWithDefault(const std::string& target) override {
    opened.push_back(target);
    return accept;
  }
  bool HasTerminal() override { return terminal; }
  void TellLateFailures(LateFailure tell) override { lateFailures = std::move(tell); }
  std::vector<LaunchRequest> launched;
  std::vector<std::string> opened;
  bool accept = true;
  bool terminal = true;
  // What the program listens with for openers that fail later; a test calls it to be one.
  LateFailure lateFailures;
};

class FakeSystemActions final : public SystemActions {
 public:
  bool Power(PowerAction action) override {
    power.push_back(action);
    return true;
  }
  bool MonitorOff() override {
    ++monitorOffs;
    return monitorOffWorks;
  }
  bool OpenPage(SystemPage page) override {
    pages.push_back(page);
    return pageAvailable;
  }
  bool OpenFolder(const std::string& folder) override {
    folders.push_back(folder);
    return true;
  }
  std::string DefaultProgram(DefaultProgramKind kind) override {
    return kind == DefaultProgramKind::kWebBrowser ? browser : mail;
  }
  std::vector<PowerAction> power;
  int monitorOffs = 0;
  bool monitorOffWorks = true;
  std::vector<SystemPage> pages;
  std::vector<std::string> folders;
  bool pageAvailable = true;
  std::string browser = "/usr/bin/firefox";
  std::string mail = "/usr/bin/thunderbird";
};

class FakeTrash final : public Trash {
 public:
  TrashStatus Query() override { return status; }
  bool HasItems() override { return status.items > 0; }
  bool Empty() override {
    ++empties;
    status = {};
    return true;
  }
  bool MoveToTrash(const std::string& path) override {
    trashed.push_back(path);
    return true;
  }
  TrashStatus status;
  int empties = 0;
  std::vector<std::string> trashed;
};

class FakeVolumes final : public Volumes {
 public:
  std::vector<Volume> List() override { return volumes; }
  std::optional<Volume> At(const std::string& root) override {
    for (const Volume& volume : volumes) {
      if (volume.root == root || volume.root == root + "/") return volume;
    }
    return std::nullopt;
  }
  std::vector<Volume> volumes;
};

}  // namespace qav::platform::fake
