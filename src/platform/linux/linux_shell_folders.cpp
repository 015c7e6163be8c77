#include "platform/linux/linux_shell_folders.h"

#include <algorithm>
#include <fstream>

namespace qav::platform {
namespace {

std::string StripTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// One value of user-dirs.dirs: a double-quoted path that is either absolute or starts with
// "$HOME/". Anything else is ignored, as xdg-user-dirs does.
std::optional<std::string> ParseUserDirValue(std::string value, const std::string& home) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
  value = value.substr(1, value.size() - 2);
  std::string path;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    path.push_back(value[i]);
  }
  if (path.rfind("$HOME", 0) == 0) return home + path.substr(5);
  if (!path.empty() && path.front() == '/') return path;
  return std::nullopt;
}

}  // namespace

LinuxShellFolders::LinuxShellFolders(EnvironmentLookup environment)
    : environment_(std::move(environment)) {}

std::string LinuxShellFolders::Home() const {
  const auto home = environment_("HOME");
  return home && !home->empty() ? StripTrailingSlashes(*home) : std::string("/");
}

std::string LinuxShellFolders::ConfigHome() const {
  const auto config = environment_("XDG_CONFIG_HOME");
  if (config && !config->empty() && config->front() == '/') return StripTrailingSlashes(*config);
  return Home() + "/.config";
}

std::string LinuxShellFolders::DataHome() const {
  const auto data = environment_("XDG_DATA_HOME");
  if (data && !data->empty() && data->front() == '/') return StripTrailingSlashes(*data);
  return Home() + "/.local/share";
}

std::string LinuxShellFolders::StateHome() const {
  const auto state = environment_("XDG_STATE_HOME");
  if (state && !state->empty() && state->front() == '/') return StripTrailingSlashes(*state);
  return Home() + "/.local/state";
}

std::string LinuxShellFolders::UserDir(const std::string& name, const std::string& fallback) const {
  const std::string key = "XDG_" + name + "_DIR";
  if (const auto direct = environment_(key); direct && !direct->empty()) {
    return StripTrailingSlashes(*direct);
  }
  std::ifstream file(ConfigHome() + "/user-dirs.dirs");
  std::string line;
  std::optional<std::string> found;
  while (std::getline(file, line)) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    if (line.compare(start, key.size() + 1, key + "=") != 0) continue;
    found = ParseUserDirValue(line.substr(start + key.size() + 1), Home());
  }
  return found ? StripTrailingSlashes(*found) : Home() + "/" + fallback;
}

std::string LinuxShellFolders::SpecialFolder(int csidl) {
  switch (csidl) {
    case 0:
      return UserDir("DESKTOP", "Desktop");
    case 5:
      return UserDir("DOCUMENTS", "Documents");
    case 6:
      return UserDir("DOWNLOAD", "Downloads");
    case 13:
      return UserDir("MUSIC", "Music");
    case 14:
      return UserDir("VIDEOS", "Videos");
    case 25:
      return "/usr/share/applications";
    case 26:
      return DataHome();
    case 36:
      return "/usr";
    case 37:
      return "/usr/bin";
    case 38:
      return "/opt";
    case 39:
      return UserDir("PICTURES", "Pictures");
    case 40:
      return Home();
    default:
      return {};
  }
}

std::string LinuxShellFolders::ProgramConfigFolder() {
  return ConfigHome() + "/qav-launcher";
}

std::string LinuxShellFolders::ProgramStateFolder() {
  return StateHome() + "/qav-launcher";
}

std::string LinuxShellFolders::RecentFilesList() {
  return DataHome() + "/recently-used.xbel";
}

std::vector<int> LinuxShellFolders::PlaceFolders() {
  return {40, 0, 5, 6, 13, 39, 14};
}

std::string LinuxShellFolders::FolderTitle(int csidl) {
  if (csidl == 40) return "Home";
  const std::string folder = SpecialFolder(csidl);
  const auto slash = folder.rfind('/');
  return slash == std::string::npos || slash + 1 >= folder.size() ? std::string()
                                                                  : folder.substr(slash + 1);
}

std::vector<std::string> LinuxShellFolders::ApplicationFolders() {
  std::vector<std::string> folders{DataHome() + "/applications/"};
  std::string dirs = environment_("XDG_DATA_DIRS").value_or("");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  for (std::size_t start = 0; start <= dirs.size();) {
    const auto end = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = dirs.substr(start, end - start);
    if (!dir.empty() && dir.front() == '/') {
      folders.push_back(StripTrailingSlashes(dir) + "/applications/");
    }
    start = end + 1;
  }
  return folders;
}

}  // namespace qav::platform
