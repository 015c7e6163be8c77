#include "core/operations/backup_flows.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "base/utf8_path.h"
#include "core/operations/file_problems.h"
#include "core/operations/ini_param.h"
#include "core/store/store_pictures.h"
#include "core/store/twin_file.h"
#include "platform/files/bounded_read.h"

namespace qav {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

constexpr const char* kCaption = QAV_TEXT("Core", "QAV Launcher");

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

void Tell(platform::MessageBoxes& messages, FilledText text, MessageIcon icon) {
  messages.Show(platform::FilledMessage(std::move(text), kCaption, icon, MessageButtons::kOk));
}

platform::MessageRequest Question(FilledText text, bool noIsDefault) {
  return platform::FilledMessage(std::move(text), kCaption, MessageIcon::kQuestion,
                                 MessageButtons::kYesNo, noIsDefault);
}

void Explain(const std::function<void(const std::string&)>& explain, const std::string& why) {
  if (explain && !why.empty()) explain(why);
}

// The failure of the program's own text, with the reason for whoever wants it.
bool Fail(BackupFlowContext& c, const char* text, const std::string& why) {
  Explain(c.explain, why);
  Tell(c.platform.messages, {text}, MessageIcon::kExclamation);
  return false;
}

// What the store said, unless the file itself shows a plainer reason.
std::string FirstReason(const std::string& plain, const std::string& stored) {
  return plain.empty() ? stored : plain;
}

// A failed save has shown its own message; the reason is the file's.
bool Saved(BackupFlowContext& c, bool saved, const std::string& file) {
  if (!saved) Explain(c.explain, FirstReason(WhyUnwritable(file), "cannot write " + file));
  return saved;
}

bool SaveSettings(BackupFlowContext& c) {
  return Saved(c, SaveSettingsFile(c.state.settings, c.state, c.platform),
               c.state.paths.SettingsFile);
}

// Three texts of their own, each translated alone.
FilledText ResetQuestion(const char* warning, const char* advice, const char* question) {
  return {"%1%2\r\n\r\n%3", {warning, advice, question}};
}

}  // namespace

platform::MessageRequest ReplaceQuestion() {
  return Question({QAV_TEXT("Core", "The target file already exists. Are you sure to replace?")},
                  false);
}

platform::MessageRequest ResetSettingsQuestion() {
  return Question(
      ResetQuestion(
          QAV_TEXT("Core",
                   "WARNING: This procedure will reset all program settings to their "
                   "default values but all currently used shortcuts and icons will be "
                   "maintained intact. "),
          QAV_TEXT("Core",
                   "It is recommended to backup the configuration (Settings --> General "
                   "tab --> Backup section) before proceeding."),
          QAV_TEXT("Core", "Proceed anyway with resetting all default program settings?")),
      true);
}

platform::MessageRequest ResetShortcutsQuestion() {
  return Question(
      ResetQuestion(
          QAV_TEXT("Core",
                   "WARNING: This procedure will reset all default shortcuts and icons "
                   "to their default values but all currently used program settings "
                   "will be maintained intact. "),
          QAV_TEXT("Core",
                   "It is recommended to backup all shortcuts and icons (Settings --> "
                   "General tab --> Backup section) before proceeding."),
          QAV_TEXT("Core", "Proceed anyway with resetting all default shortcuts and icons?")),
      true);
}

bool TargetExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(
      std::filesystem::symlink_status(platform::PathFromUtf8(path), error));
}

bool ClearTarget(const std::string& path, platform::MessageBoxes& messages,
                 const std::function<void(const std::string&)>& explain) {
  if (!TargetExists(path)) return true;
  std::error_code error;
  if (std::filesystem::remove(platform::PathFromUtf8(path), error) && !error) return true;
  Explain(explain, error ? error.message() : path + " is gone or cannot be removed");
  Tell(messages, {QAV_TEXT("Core", "The target file cannot be replaced: %1"), {path}},
       MessageIcon::kExclamation);
  return false;
}

bool BackupConfiguration(const std::string& path, BackupFlowContext& c) {
  constexpr const char* kFailed = QAV_TEXT("Core", "Backup Configuration File failed! ");
  if (!SaveSettings(c)) return false;  // the save has said why
  const std::string& settings = c.state.paths.SettingsFile;
  const auto bytes = platform::ReadWholeFile(settings, kSettingsFileSize);
  if (!bytes)
    return Fail(c, kFailed, FirstReason(WhyUnreadable(settings), "cannot read " + settings));
  if (!platform::WriteAtomically(c.platform.files, path, *bytes)) {
    return Fail(c, kFailed, FirstReason(WhyUnwritable(path), "cannot write " + path));
  }
  Tell(c.platform.messages, {QAV_TEXT("Core", "Backup Configuration File Successfully!")},
       MessageIcon::kNone);
  return true;
}

bool BackupShortcutsAndIcons(const std::string& path, BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  const Result outcome = WriteBackupFile(c.platform.files, path, c.state.tables,
                                         c.state.paths.SysIconsFolder, c.progress);
  busy.Done();
  if (!outcome.Ok()) {
    return Fail(c, QAV_TEXT("Core", "Backup all shortcuts & icons failed! "),
                FirstReason(WhyUnwritable(path), outcome.Error()));
  }
  Tell(c.platform.messages, {QAV_TEXT("Core", "Backup Shortcuts & Icons Successfully!")},
       MessageIcon::kNone);
  return true;
}

namespace {

// Why the file at `path` is no settings file of this program; empty when it may be one.
std::string WhyNoSettingsFile(const std::string& path,
                              const std::optional<std::vector<std::uint8_t>>& bytes) {
  if (!bytes) return FirstReason(WhyUnreadable(path), path + " is larger than a settings file");
  if (bytes->size() == kSettingsFileSize) return {};
  return path + " is no configuration backup of this program: it holds " +
         std::to_string(bytes->size()) + " bytes, a settings file " +
         std::to_string(kSettingsFileSize);
}

}  // namespace

bool RestoreConfiguration(const std::string& path, BackupFlowContext& c) {
  constexpr const char* kFailed = QAV_TEXT("Core", "Restore Configuration failed! ");
  BusyScope busy(c.setBusy);
  // Read one byte more than a settings file has, so that a longer file shows as wrong.
  const auto bytes = platform::ReadWholeFile(path, kSettingsFileSize + 1);
  if (const std::string wrong = WhyNoSettingsFile(path, bytes); !wrong.empty()) {
    busy.Done();
    return Fail(c, kFailed, wrong);
  }
  const std::string& settings = c.state.paths.SettingsFile;
  if (const Result saved = SaveWithTwin(c.platform.files, settings, *bytes); !saved) {
    busy.Done();
    return Fail(c, kFailed, FirstReason(WhyUnwritable(settings), saved.Error()));
  }
  c.reloadAll({false, false, false});
  busy.Done();
  Tell(c.platform.messages, {QAV_TEXT("Core", "Restore Configuration Successfully!")},
       MessageIcon::kNone);
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
    return Fail(c, QAV_TEXT("Core", "Restore all shortcuts & icons failed! "),
                FirstReason(WhyUnreadable(path), outcome.Error()));
  }
  // The reload reads the settings file again: settings changed since the last save stay.
  SaveSettings(c);
  c.reloadAll({false, false, true});
  busy.Done();
  Tell(c.platform.messages, {QAV_TEXT("Core", "Restore Shortcuts & Icons Successfully!")},
       MessageIcon::kNone);
  return true;
}

bool ResetProgramSettings(BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  c.reloadAll({true, false, false});
  const bool saved = SaveSettings(c);
  busy.Done();
  if (!saved) return false;
  Tell(c.platform.messages, {QAV_TEXT("Core", "Reset all default program settings successfully!")},
       MessageIcon::kInformation);
  return true;
}

bool ResetShortcutsAndIcons(BackupFlowContext& c) {
  BusyScope busy(c.setBusy);
  SaveSettings(c);
  RemoveStorePictures(c.state.paths.IconStore, OwnStorePictures(c.state));
  c.reloadAll({false, true, false});
  const bool saved = Saved(c, SaveMenuFile(c.state, c.platform), c.state.paths.MenuFile);
  busy.Done();
  if (!saved) return false;
  Tell(c.platform.messages, {QAV_TEXT("Core", "Reset all default shortcuts & icons successfully!")},
       MessageIcon::kInformation);
  return true;
}

}  // namespace qav
