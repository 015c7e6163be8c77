#include "platform/linux/linux_platform.h"

#include <filesystem>

#include "platform/files/program_files.h"
#include "platform/linux/wayland_hot_keys.h"
#include "platform/linux/wayland_window_shape.h"
#include "platform/linux/x11_hot_keys.h"
#include "platform/linux/x11_window_shape.h"

namespace qav::platform {
namespace {

// Where the user's own settings remember that the notice about binding keys in the desktop was
// given, and for which desktop.
constexpr std::uint32_t kCurrentUser = 0x80000001u;
constexpr const char* kNoticeKey = "SOFTWARE\\QAV Launcher\\System";
constexpr const char* kNoticeValue = "DesktopKeysNotice";

LinuxShellFolders MakeFolders(LinuxSystemInfo& system) {
  return LinuxShellFolders([&system](const std::string& name) { return system.Environment(name); });
}

std::string RegistryFileIn(const std::string& configHome) {
  return configHome + "/Brevona/QAV Launcher/registry.reg";
}

// Named by the application id, as the desktop entry and the icon are.
std::string AutostartEntryIn(const std::string& configHome) {
  return configHome + "/autostart/" QAV_APP_ID ".desktop";
}

// The name earlier versions gave the entry.
std::string LegacyAutostartEntryIn(const std::string& configHome) {
  return configHome + "/autostart/qav-launcher.desktop";
}

// The home trash: "$XDG_DATA_HOME/Trash".
std::string HomeTrashIn(std::string dataHome) {
  while (dataHome.size() > 1 && dataHome.back() == '/') dataHome.pop_back();
  return dataHome + "/Trash";
}

// "qav-launcher" where the search path finds this program by that name, else its whole path.
std::string CommandName(LinuxSystemInfo& system) {
  const std::string path = system.ExecutablePath();
  const std::string name = std::filesystem::path(path).filename().string();
  std::error_code error;
  for (const std::string& folder : SearchPathFolders(system.Environment("PATH").value_or(""))) {
    if (std::filesystem::equivalent(std::filesystem::path(folder) / name, path, error)) return name;
  }
  return path;
}

std::function<bool(const std::string&)> FirstNoticeIn(Registry& registry) {
  return [&registry](const std::string& desktop) {
    const auto told = registry.Query(kCurrentUser, kNoticeKey, kNoticeValue);
    const std::string value = desktop + '\0';
    if (told && std::string(told->bytes.begin(), told->bytes.end()) == value) return false;
    // A mark that cannot be stored only means the notice is shown again at the next start.
    (void)registry.Set(kCurrentUser, kNoticeKey, kNoticeValue,
                       {RegType::kString, std::vector<std::uint8_t>(value.begin(), value.end())});
    return true;
  };
}

std::unique_ptr<HotKeys> MakeHotKeys(LinuxPlatform& p) {
  if (!p.wayland.Connected()) return std::make_unique<X11HotKeys>();
  return std::make_unique<WaylandHotKeys>(
      WaylandHotKeys::Session{p.system.Environment("XDG_CURRENT_DESKTOP").value_or(""),
                              CommandName(p.system), FirstNoticeIn(p.registry)});
}

std::unique_ptr<WindowShape> MakeShape(WaylandDisplay& wayland) {
  if (!wayland.Connected()) return std::make_unique<X11WindowShape>();
  return std::make_unique<WaylandWindowShape>(wayland);
}

}  // namespace

LinuxPlatform::LinuxPlatform()
    : folders(MakeFolders(system)),
      registry(RegistryFileIn(folders.ConfigHome()), AutostartEntryIn(folders.ConfigHome()),
               LegacyAutostartEntryIn(folders.ConfigHome())),
      desktop(RealSystemCommands()),
      launcher(RealSystemCommands()),
      actions(RealSystemCommands(), SystemBusLogind(),
              wayland.Connected() ? std::function<bool()>([this] { return monitors.Off(); })
                                  : std::function<bool()>(ForceDisplayOffWithDpms),
              HomeTrashIn(folders.SpecialFolder(26))),
      trash(HomeTrashIn(folders.SpecialFolder(26))),
      volumes(SystemMountSources()),
      shape(MakeShape(wayland)),
      hotKeys(MakeHotKeys(*this)) {}

std::string LinuxPlatform::RegistryFile() const {
  return RegistryFileIn(folders.ConfigHome());
}

std::string LinuxPlatform::AutostartEntry() const {
  return AutostartEntryIn(folders.ConfigHome());
}

}  // namespace qav::platform
