#include "core/environment/paths.h"

#include <filesystem>
#include <system_error>

#include "base/path_separator.h"
#include "base/utf8_path.h"

namespace qav {
namespace {

constexpr const char* kVendorFolder = "Brevona";
constexpr const char* kProductFolder = "QAV Launcher";

void CreateFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(platform::PathFromUtf8(folder), ignored);
}

std::string ParentFolder(const std::string& file) {
  const auto cut = file.find_last_of(platform::kPathSeparator);
  return cut == std::string::npos ? std::string() : file.substr(0, cut + 1);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(platform::PathFromUtf8(path), error);
}

// Where an installation keeps the pictures, seen from the folder of the executable. The build
// passes the layout it installs; the default is the usual "<prefix>/bin", "<prefix>/share".
#ifndef QAV_INSTALLED_SYSICONS
#define QAV_INSTALLED_SYSICONS "../share/qav-launcher/SysIcons"
#endif

// The client that talks to a running dock, beside the dock program in a build or where an
// installation puts it; the dock program itself where there is none.
std::string StartCommandFor(const std::string& appFolder, const std::string& executable) {
#ifdef QAV_CLIENT_BESIDE
  for (const char* relative : {QAV_CLIENT_BESIDE, QAV_CLIENT_INSTALLED}) {
    const std::filesystem::path client =
        platform::PathFromUtf8(appFolder + relative).lexically_normal();
    std::error_code error;
    if (std::filesystem::is_regular_file(client, error)) return platform::Utf8FromPath(client);
  }
#else
  (void)appFolder;
#endif
  return executable;
}

}  // namespace

std::string WithSeparator(std::string folder) {
  if (folder.empty() || folder.back() != platform::kPathSeparator) {
    folder.push_back(platform::kPathSeparator);
  }
  return folder;
}

bool PathExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(platform::PathFromUtf8(path), error);
}

std::string SysIconsFolderFor(const std::string& appFolder) {
  const std::string beside = WithSeparator(appFolder + "SysIcons");
  if (IsFolder(beside)) return beside;
  const std::filesystem::path installed =
      platform::PathFromUtf8(appFolder + QAV_INSTALLED_SYSICONS).lexically_normal();
  if (IsFolder(platform::Utf8FromPath(installed))) {
    return WithSeparator(platform::Utf8FromPath(installed));
  }
  return beside;
}

std::string GetUserLogonName(platform::SystemInfo& system) {
  return system.UserLogonName();
}

std::string FolderOf(const Paths& p, int csidl) {
  switch (csidl) {
    case kCsidlDesktop:
      return p.DesktopFolder;
    case kCsidlPersonal:
      return p.MyDocuments;
    case kCsidlFavorites:
      return p.Favorites;
    case kCsidlMyMusic:
      return p.MyMusic;
    case kCsidlMyVideo:
      return p.MyVideos;
    case kCsidlCommonDesktop:
      return p.AllUsersDesktopFolder;
    case kCsidlWindows:
      return p.WindowsFolder;
    case kCsidlSystem:
      return p.SystemFolder;
    case kCsidlProgramFiles:
      return p.ProgramFilesFolder;
    case kCsidlMyPictures:
      return p.MyPictures;
    case kCsidlProfile:
      return p.ProfileFolder;
    default:
      return {};
  }
}

std::string GetSpecialFolder(platform::ShellFolders& folders, int csidl) {
  std::string folder = folders.SpecialFolder(csidl);
  if (const auto nul = folder.find('\0'); nul != std::string::npos) folder.resize(nul);
  return folder.empty() ? std::string() : WithSeparator(std::move(folder));
}

Paths InitPaths(platform::ShellFolders& folders, platform::SystemInfo& system) {
  constexpr char sep = platform::kPathSeparator;
  Paths p;
  p.ExecutablePath = system.ExecutablePath();
  p.AppFolder = WithSeparator(ParentFolder(p.ExecutablePath));
  p.StartCommand = StartCommandFor(p.AppFolder, p.ExecutablePath);
  p.WindowsFolder = GetSpecialFolder(folders, kCsidlWindows);
  p.SystemFolder = GetSpecialFolder(folders, kCsidlSystem);
  p.ProgramFilesFolder = GetSpecialFolder(folders, kCsidlProgramFiles);
  p.ProfileFolder = GetSpecialFolder(folders, kCsidlProfile);
  p.DesktopFolder = GetSpecialFolder(folders, kCsidlDesktop);
  p.AllUsersDesktopFolder = GetSpecialFolder(folders, kCsidlCommonDesktop);
  p.MyDocuments = GetSpecialFolder(folders, kCsidlPersonal);
  p.MyPictures = GetSpecialFolder(folders, kCsidlMyPictures);
  p.MyMusic = GetSpecialFolder(folders, kCsidlMyMusic);
  p.MyVideos = GetSpecialFolder(folders, kCsidlMyVideo);
  p.Favorites = GetSpecialFolder(folders, kCsidlFavorites);
  p.PlaceFolders = folders.PlaceFolders();
  for (const int csidl :
       {kCsidlDesktop, kCsidlPersonal, kCsidlFavorites, kCsidlMyMusic, kCsidlMyVideo, kCsidlWindows,
        kCsidlSystem, kCsidlProgramFiles, kCsidlMyPictures, kCsidlProfile}) {
    if (std::string title = folders.FolderTitle(csidl); !title.empty()) {
      p.FolderTitles[csidl] = std::move(title);
    }
  }

  // A fresh account may not have the application-data folder yet, so its parents are made too.
  const std::string vendor = GetSpecialFolder(folders, kCsidlAppData) + kVendorFolder + sep;
  CreateFolder(vendor);
  p.DataFolder = vendor + kProductFolder + sep;
  CreateFolder(p.DataFolder);
  p.SysIconsFolder = SysIconsFolderFor(p.AppFolder);
  p.IconStore = p.DataFolder + "QavIcons" + sep;
  CreateFolder(p.IconStore);
  p.UserIconFile = p.IconStore + "User Icon.ico";
  p.SettingsFile = p.DataFolder + "QAVCfg.cfg";
  p.MenuFile = p.DataFolder + "QAVMenu.cfg";
  const std::string own = folders.ProgramConfigFolder();
  p.HotKeyFile = (own.empty() ? p.DataFolder : WithSeparator(own)) + "hot-keys.conf";
  const std::string state = folders.ProgramStateFolder();
  p.UsageFile = (state.empty() ? p.DataFolder : WithSeparator(state)) + "usage";
  p.RecentFilesList = folders.RecentFilesList();
  return p;
}

}  // namespace qav
