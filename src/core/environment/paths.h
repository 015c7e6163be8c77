#pragma once
// Where the program keeps its files, and the small path and file tests every other part uses.
// Every folder value ends with the platform's path separator.

#include <map>
#include <string>
#include <vector>

#include "platform/shell_folders.h"
#include "platform/system_info.h"

namespace qav {

// Shell folder ids (CSIDL numbers) the program asks for.
enum Csidl : int {
  kCsidlDesktop = 0,
  kCsidlPersonal = 5,
  kCsidlFavorites = 6,
  kCsidlMyMusic = 13,
  kCsidlMyVideo = 14,
  kCsidlCommonDesktop = 25,
  kCsidlAppData = 26,
  kCsidlWindows = 36,
  kCsidlSystem = 37,
  kCsidlProgramFiles = 38,
  kCsidlMyPictures = 39,
  kCsidlProfile = 40,
};

struct Paths {
  std::string AppFolder;
  std::string WindowsFolder;
  std::string SystemFolder;
  std::string ProgramFilesFolder;
  std::string ProfileFolder;
  std::string DesktopFolder;
  std::string AllUsersDesktopFolder;
  std::string MyDocuments;
  std::string MyPictures;
  std::string MyMusic;
  std::string MyVideos;
  std::string Favorites;
  std::string DataFolder;
  std::string IconStore;
  std::string SysIconsFolder;
  std::string UserIconFile;
  std::string SettingsFile;
  std::string MenuFile;
  // The user's hot keys (hot_key_file.h): in the program's own configuration folder, else the
  // data folder.
  std::string HotKeyFile;
  // How often and when each search result was started (core/search/usage_file.h): in the
  // program's own state folder, else the data folder.
  std::string UsageFile;
  // The desktop's list of recently opened files; empty: none.
  std::string RecentFilesList;
  std::string ExecutablePath;
  // What the desktop starts the program with (the automatic start at logon): the small client
  // installed with the dock program where there is one, else the executable itself.
  std::string StartCommand;
  // The "System Folders & Drives" group's folders, by id, in order (ShellFolders::PlaceFolders).
  std::vector<int> PlaceFolders;
  // The desktop's own titles of folders in the roles above, by id; a role without one keeps the
  // program's name for it.
  std::map<int, std::string> FolderTitles;

  std::string SettingsBackup() const { return SettingsFile + ".bak"; }
  std::string MenuBackup() const { return MenuFile + ".bak"; }
};

// The folder of `csidl` among the path variables (with its separator); empty for other ids.
std::string FolderOf(const Paths& paths, int csidl);

// The shell folder with a separator appended; empty when the platform does not know the id.
std::string GetSpecialFolder(platform::ShellFolders& folders, int csidl);

// Fills every path variable and creates the data folder and the icon store. A folder that cannot
// be created is not reported: saving into it fails later with its own message.
Paths InitPaths(platform::ShellFolders& folders, platform::SystemInfo& system);

// The folder of the built-in item pictures for a program in `appFolder`: "SysIcons" beside the
// executable (a build tree, a copied folder), else the data folder of an installation
// ("<prefix>/share/qav-launcher/SysIcons" for "<prefix>/bin"), else the first one, which then
// names the missing folder.
std::string SysIconsFolderFor(const std::string& appFolder);

// The logon name of the user running the program.
std::string GetUserLogonName(platform::SystemInfo& system);

// True when `path` is not empty and names an existing file or folder; never throws.
bool PathExists(const std::string& path);

// Ensures `folder` ends with the path separator.
std::string WithSeparator(std::string folder);

}  // namespace qav
