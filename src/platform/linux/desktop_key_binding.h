#pragma once
// Where the desktop binds system-wide keys itself (every Wayland desktop without the shortcuts
// portal), the user binds the program's command lines to keys in the desktop's settings. This
// says how, for the desktop the session names.

#include <string>

#include "platform/hot_keys.h"

namespace qav::platform {

// How a hot key's action is named and bound where the desktop binds the keys.
struct DesktopBinding {
  HotKey key;
  const char* option;       // the command line's option: "--keyboard"
  const char* actionId;     // the shortcuts portal's action: "keyboard"
  const char* description;  // what the portal shows for it
  const char* trigger;      // the portal's preferred trigger, in the shortcuts spelling
  const char* sway;         // the combination in sway's spelling: "Mod1+space"
  const char* hyprland;     // and in Hyprland's: "ALT, space"
};

const DesktopBinding& BindingOf(HotKey key);

// The notice for `currentDesktop` (the session's XDG_CURRENT_DESKTOP, "sway", "GNOME",
// "KDE"...), naming the program as `command` ("qav-launcher").
std::string DesktopKeysNotice(const std::string& currentDesktop, const std::string& command);

}  // namespace qav::platform
