#include "platform/linux/linux_platform.h"

namespace qav::platform {
namespace {

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

}  // namespace

LinuxPlatform::LinuxPlatform()
    : folders(MakeFolders(system)),
      registry(RegistryFileIn(folders.ConfigHome()), AutostartEntryIn(folders.ConfigHome()),
               LegacyAutostartEntryIn(folders.ConfigHome())),
      desktop(RealSystemCommands()),
      launcher(RealSystemCommands()),
      actions(RealSystemCommands(), SystemBusLogind(), ForceDisplayOffWithDpms,
              HomeTrashIn(folders.SpecialFolder(26))),
      trash(HomeTrashIn(folders.SpecialFolder(26))),
      volumes(SystemMountSources()) {}

std::string LinuxPlatform::RegistryFile() const {
  return RegistryFileIn(folders.ConfigHome());
}

std::string LinuxPlatform::AutostartEntry() const {
  return AutostartEntryIn(folders.ConfigHome());
}

}  // namespace qav::platform
