#pragma once
// The Linux implementations of the platform services, made together. The window system's own
// (input shapes, hot keys, the monitor) are X11's or Wayland's, whichever Qt runs on.

#include "platform/hot_keys.h"
#include "platform/linux/freedesktop_trash.h"
#include "platform/linux/linux_desktop.h"
#include "platform/linux/linux_process_control.h"
#include "platform/linux/linux_program_launcher.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/linux_shell_folders.h"
#include "platform/linux/linux_system_actions.h"
#include "platform/linux/linux_system_info.h"
#include "platform/linux/linux_tray_hosts.h"
#include "platform/linux/linux_volumes.h"
#include "platform/linux/posix_file_ops.h"
#include "platform/linux/wayland_display.h"
#include "platform/linux/wayland_monitor_power.h"
#include "platform/window_shape.h"

#include <memory>

namespace qav::platform {

class LinuxPlatform {
 public:
  // Needs the application object: it says which window system Qt runs on.
  LinuxPlatform();

  // "$XDG_CONFIG_HOME/Brevona/QAV Launcher/registry.reg": the registry values, readable text.
  std::string RegistryFile() const;
  // "$XDG_CONFIG_HOME/autostart/<application id>.desktop": the session's auto-start entry.
  std::string AutostartEntry() const;

  LinuxSystemInfo system;
  LinuxShellFolders folders;
  LinuxRegistry registry;
  PosixFileOps files;
  LinuxProcessControl process;
  LinuxDesktop desktop;
  LinuxProgramLauncher launcher;
  WaylandDisplay wayland;  // not connected off Wayland
  WaylandMonitorPower monitors{wayland};
  LinuxSystemActions actions;
  FreedesktopTrash trash;
  LinuxVolumes volumes;
  std::unique_ptr<WindowShape> shape;
  std::unique_ptr<HotKeys> hotKeys;
  LinuxTrayHosts trayHosts;
};

}  // namespace qav::platform
