#pragma once
// The six operations on the user's data: back up and restore the configuration (the settings
// file) and all shortcuts and icons, and reset the program settings or the shortcuts and icons.
// Each works on a path already chosen, the user's consent already given, and tells the user the
// outcome through the message boxes, so the settings window and the command line share the same
// checks and texts.

#include <functional>
#include <string>

#include "core/operations/reload.h"
#include "core/state/app_state.h"
#include "core/store/backup_file.h"
#include "platform/platform.h"

namespace qav {

struct BackupFlowContext {
  AppState& state;
  platform::Platform& platform;
  // Re-reads the configuration after a restore or reset (the windows stay).
  std::function<void(const ReloadOptions&)> reloadAll;
  // Shows that the program is busy (true) and done (false); may be empty.
  std::function<void(bool busy)> setBusy;
  // Called while a backup or restore copies pictures; may be empty.
  BackupProgress progress;
  // Told why a step failed, just before the message box says that it failed (the box keeps the
  // program's own text); may be empty.
  std::function<void(const std::string& why)> explain;
};

// File names the save and open dialogs propose.
inline constexpr const char* kConfigBackupName = "QAV Launcher Cfg.bak";
inline constexpr const char* kIconsBackupName = "QAV Launcher Icons.bak";

// The questions asked before replacing a file and before a reset, with the program's texts. The
// window that offers the operation asks them (Yes goes on); the operations themselves never ask,
// so the command line, which answers Yes, simply runs them.
platform::MessageRequest ReplaceQuestion();
platform::MessageRequest ResetSettingsQuestion();
platform::MessageRequest ResetShortcutsQuestion();

// True when something is at `path` that a backup there would replace: the user is asked first.
bool TargetExists(const std::string& path);
// Removes what is at `path` before a backup writes there (nothing there is fine). False when it
// cannot be removed, which is then said, and why to `explain`.
bool ClearTarget(const std::string& path, platform::MessageBoxes& messages,
                 const std::function<void(const std::string&)>& explain = {});

// Each returns true on success; the user has been told either way.
bool BackupConfiguration(const std::string& path, BackupFlowContext& context);
bool BackupShortcutsAndIcons(const std::string& path, BackupFlowContext& context);
// A file that is not a settings file (wrong size) never replaces the current one.
bool RestoreConfiguration(const std::string& path, BackupFlowContext& context);
bool RestoreShortcutsAndIcons(const std::string& path, BackupFlowContext& context);
bool ResetProgramSettings(BackupFlowContext& context);
bool ResetShortcutsAndIcons(BackupFlowContext& context);

}  // namespace qav
