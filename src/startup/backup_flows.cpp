#include "startup/backup_flows.h"

#include <filesystem>
#include <system_error>

#include "platform/bounded_read.h"
#include "platform/utf8_path.h"
#include "startup/ini_param.h"
#include "store/store_pictures.h"
#include "store/twin_file.h"

namespace qav {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

constexpr const char* kCaption = "QAV Launcher";
constexpr const char* kCrLf = "\r\n";

// Shows the busy pointer for as long as it lives; `Done` ends it early, before a message.
class BusyScope {
 public:
  explicit BusyScope(const std::function<void(bool)>& setBusy) : setBusy_(setBusy) {
    if (setBusy_) setBusy_(true);
  }
  ~BusyScope() { Done(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  void Done() {
    if (setBusy_ && busy_) setBusy_(false);
    busy_ = false;
  }

 private:
  const std::function<void(bool)>& setBusy_;
  bool busy_ = true;
};

// The store pictures the current records name, which the program put there; the user's own
// picture is never among those a restore or reset takes away.
std::set<std::string> OwnStorePictures(const AppState& state) {
  auto own = StorePicturesNamed(state.tables.Shortcuts, state.paths.IconStore);
  own.erase(state.paths.UserIconFile);
  return own;
}

void Tell(platform::MessageBoxes& messages, const std::string& text, MessageIcon icon) {
  messages.Show({text, kCaption, icon, MessageButtons::kOk});
}

bool Ask(platform::MessageBoxes& messages, const std::string& text, bool noIsDefault) {
  return messages.Show({text, kCaption, MessageIcon::kQuestion, MessageButtons::kYesNo,
                        noIsDefault}) == platform::MessageAnswer::kYes;
}

bool SaveSettings(BackupFlowContext& c) {
  return SaveSettingsFile(c.state.settings, c.state, c.platform);
}

std::string ResetQuestion(const std::string& warning, const std::string& advice,
                          const std::string& question) {
  return warning + advice + kCrLf + kCrLf + question;
}

}  // namespace

bool ConfirmReplace(const std::string& path, platform::MessageBoxes& messages) {
  std::error_code error;
  if (!std::filesystem::exists(
          std::filesystem::symlink_status(platform::PathFromUtf8(path), error)))
    return true;
  if (!Ask(messages, "The target file already exists. Are you sure to replace?", false)) {
    return false;
  }
  if (std::filesystem::remove(platform::PathFromUtf8(path), error) && !error) return true;
  Tell(messages, "The target file cannot be replaced: " + path, MessageIcon::kExclamation);
  return false;
}

bool ConfirmResetSettings(platform::MessageBoxes& messages) {
  return Ask(messages,
             ResetQuestion("WARNING: This procedure will reset all program settings to their "
                           "default values but all currently used shortcuts and icons will be "
                           "maintained intact. ",
                           "It is recommended to backup the configuration (Settings --> General "
                           "tab --> Backup section) before proceeding.",
                           "Proceed anyway with resetting all default program settings?"),
             true);
}

bool ConfirmResetShortcuts(platform::MessageBoxes& messages) {
  return Ask(messages,
             ResetQuestion("WARNING: This procedure will reset all default shortcuts and icons to "
                           "their default values but all currently used program settings will be "
                           "maintained intact. ",
                           "It is recommended to backup all shortcuts and icons (Settings --> "
                           "General tab --> Backup section) before proceeding.",
                           "Proceed anyway with resetting all default shortcuts and icons?"),
             true);
}

bool BackupConfiguration(const std::string& path, BackupFlowContext& c) {
  auto& messages = c.platform.messages;
  if (!SaveSettings(c)) return false;  // the save has said why
  const auto bytes = platform::ReadWholeFile(c.state.paths.SettingsFile, kSettingsFileSize);
  if (!bytes || !platform::WriteAtomically(c.platform.files, path, *bytes)) {
    Tell(messages, "Backup Configuration File failed! ", MessageIcon::kExclamation);
    return false;
  }
  Tell(messages, "Backup Configuration File Successfully!", MessageIcon::kNone);
  return true;
}

bool BackupShortcutsAndIcons(const std::string& path, BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  const Result outcome =
      WriteBackupFile(path, c.state.tables, c.state.paths.SysIconsFolder, c.progress);
  busy.Done();
  if (!outcome.Ok()) {
    Tell(c.platform.messages, "Backup all shortcuts & icons failed! ", MessageIcon::kExclamation);
    return false;
  }
  Tell(c.platform.messages, "Backup Shortcuts & Icons Successfully!", MessageIcon::kNone);
  return true;
}

bool RestoreConfiguration(const std::string& path, BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  // Read one byte more than a settings file has, so that a longer file shows as wrong.
  const auto bytes = platform::ReadWholeFile(path, kSettingsFileSize + 1);
  const bool valid = bytes && bytes->size() == kSettingsFileSize;
  if (!valid || !SaveWithTwin(c.platform.files, c.state.paths.SettingsFile, *bytes)) {
    busy.Done();
    Tell(c.platform.messages, "Restore Configuration failed! ", MessageIcon::kExclamation);
    return false;
  }
  c.reloadAll({false, false, false});
  busy.Done();
  Tell(c.platform.messages, "Restore Configuration Successfully!", MessageIcon::kNone);
  return true;
}

bool RestoreShortcutsAndIcons(const std::string& path, BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  const Paths& paths = c.state.paths;
  const Result outcome =
      RestoreBackupFile(path, {paths.MenuFile, paths.IconStore, paths.SysIconsFolder,
                               c.platform.files, c.progress, OwnStorePictures(c.state)});
  if (!outcome.Ok()) {
    busy.Done();
    Tell(c.platform.messages, "Restore all shortcuts & icons failed! ", MessageIcon::kExclamation);
    return false;
  }
  // The reload reads the settings file again: settings changed since the last save stay.
  SaveSettings(c);
  c.reloadAll({false, false, true});
  busy.Done();
  Tell(c.platform.messages, "Restore Shortcuts & Icons Successfully!", MessageIcon::kNone);
  return true;
}

bool ResetProgramSettings(BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  c.reloadAll({true, false, false});
  const bool saved = SaveSettings(c);
  busy.Done();
  if (!saved) return false;
  Tell(c.platform.messages, "Reset all default program settings successfully!",
       MessageIcon::kInformation);
  return true;
}

bool ResetShortcutsAndIcons(BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  SaveSettings(c);
  RemoveStorePictures(c.state.paths.IconStore, OwnStorePictures(c.state));
  c.reloadAll({false, true, false});
  const bool saved = SaveMenuFile(c.state, c.platform);
  busy.Done();
  if (!saved) return false;
  Tell(c.platform.messages, "Reset all default shortcuts & icons successfully!",
       MessageIcon::kInformation);
  return true;
}

}  // namespace qav
