#pragma once
// Shell folders on a freedesktop system: the XDG base directories and the user directories of
// "user-dirs.dirs", with system folders chosen to play the roles the Windows folders play.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell_folders.h"

namespace qav::platform {

class LinuxShellFolders final : public ShellFolders {
 public:
  using EnvironmentLookup = std::function<std::optional<std::string>(const std::string&)>;
  explicit LinuxShellFolders(EnvironmentLookup environment);

  std::string SpecialFolder(int csidl) override;
  // $XDG_DATA_HOME and then each of $XDG_DATA_DIRS, with "applications/" appended. Relative
  // entries are ignored, as the base directory rules ask.
  std::vector<std::string> ApplicationFolders() override;
  // Home, the desktop, documents, downloads, music, pictures and videos: what a Linux user
  // reaches for. The system's own folders, which play the Windows folders' roles, are left out.
  std::vector<int> PlaceFolders() override;
  // "Home" for the home folder; every other folder by its own name, which xdg-user-dirs gives
  // in the user's language ("Documents", "Schreibtisch").
  std::string FolderTitle(int csidl) override;
  // $XDG_CONFIG_HOME, or ~/.config.
  std::string ConfigHome() const;
  // "qav-launcher" in ConfigHome(), where the user edits configuration by hand.
  std::string ProgramConfigFolder() override;
  // "qav-launcher" in $XDG_STATE_HOME (~/.local/state).
  std::string ProgramStateFolder() override;
  // $XDG_DATA_HOME/recently-used.xbel, the freedesktop bookmark file.
  std::string RecentFilesList() override;

 private:
  std::string Home() const;
  std::string DataHome() const;
  std::string StateHome() const;
  // An XDG user directory ("DESKTOP", "DOCUMENTS", ...), else home + `fallback`.
  std::string UserDir(const std::string& name, const std::string& fallback) const;

  EnvironmentLookup environment_;
};

}  // namespace qav::platform
