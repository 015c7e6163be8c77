#include "platform/linux/desktop_key_binding.h"

#include <sstream>

#include "base/text.h"

namespace qav::platform {
namespace {

enum class Family { kSway, kHyprland, kGnome, kKde, kOther };

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first ("ubuntu:GNOME").
Family FamilyOf(const std::string& desktops) {
  std::string rest = desktops;
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const std::string name = LowerAscii(rest.substr(0, colon));
    if (name == "sway") return Family::kSway;
    if (name == "hyprland") return Family::kHyprland;
    if (name == "gnome") return Family::kGnome;
    if (name == "kde") return Family::kKde;
    rest = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
  }
  return Family::kOther;
}

void ConfigLines(std::ostringstream& text, Family family, const std::string& command) {
  for (const HotKey key : kAllHotKeys) {
    text << "\n";
    const DesktopBinding& b = BindingOf(key);
    if (family == Family::kSway) {
      text << "bindsym " << b.sway << " exec " << command << " " << b.option;
    } else {
      text << "bind = " << b.hyprland << ", exec, " << command << " " << b.option;
    }
  }
}

}  // namespace

const DesktopBinding& BindingOf(HotKey key) {
  static constexpr DesktopBinding kBindings[] = {
      {HotKey::kFocus, "--keyboard", "keyboard", "Show the QAV Launcher dock in keyboard mode",
       "ALT+space", "Mod1+space", "ALT, space"},
      {HotKey::kSwitch, "--switch", "switch",
       "Switch between the QAV Launcher dock and the desktop", "SHIFT+Tab", "Shift+Tab",
       "SHIFT, Tab"},
      {HotKey::kMinimize, "--minimize", "minimize", "Minimize the QAV Launcher dock", "CTRL+Tab",
       "Ctrl+Tab", "CTRL, Tab"},
  };
  return kBindings[static_cast<int>(key)];
}

std::string DesktopKeysNotice(const std::string& currentDesktop, const std::string& command) {
  const Family family = FamilyOf(currentDesktop);
  std::ostringstream text;
  text << "This desktop decides the system-wide keys itself, so QAV Launcher does not take "
          "Alt+Space, Shift+Tab and Ctrl+Tab. To summon the dock with keys, bind these commands "
          "to them in the desktop's keyboard settings: \""
       << command << " --keyboard\" (the dock in keyboard mode, as Alt+Space), \"" << command
       << " --switch\" (between the dock and the desktop, as Shift+Tab) and \"" << command
       << " --minimize\" (as Ctrl+Tab).";
  switch (family) {
    case Family::kSway:
      text << " For sway, add these lines to ~/.config/sway/config and reload it:";
      ConfigLines(text, family, command);
      break;
    case Family::kHyprland:
      text << " For Hyprland, add these lines to ~/.config/hypr/hyprland.conf:";
      ConfigLines(text, family, command);
      break;
    case Family::kGnome:
      text << " In GNOME: Settings, Keyboard, View and Customize Shortcuts, Custom Shortcuts.";
      break;
    case Family::kKde:
      text << " In KDE Plasma: System Settings, Shortcuts, Add New, Command or Script.";
      break;
    case Family::kOther:
      break;
  }
  return text.str();
}

}  // namespace qav::platform
