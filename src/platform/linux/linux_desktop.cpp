#include "platform/linux/linux_desktop.h"

#include <functional>
#include <utility>

namespace qav::platform {
namespace {

constexpr char kDesktopIconsExtension[] = "ding@rastersoft.com";

struct IconSetting {
  std::function<std::optional<std::string>()> read;  // nothing: no icon view to switch
  std::function<bool(const std::string&)> write;
  std::string hidden;  // the value that hides the icons
};

std::optional<std::string> Run(const SystemCommands& commands, const Arguments& command) {
  if (commands.find(command.front()).empty()) return std::nullopt;
  auto output = commands.run(command.front(), Arguments(command.begin() + 1, command.end()));
  if (!output) return std::nullopt;
  while (!output->empty() && (output->back() == '\n' || output->back() == ' ')) output->pop_back();
  return output;
}

IconSetting GSettingsBoolean(const SystemCommands& commands, const std::string& schema,
                             const std::string& key) {
  return {[=] {
            return Run(commands, {"gsettings", "get", schema, key});
          },
          [=](const std::string& value) {
            return Run(commands, {"gsettings", "set", schema, key, value}).has_value();
          },
          "false"};
}

// xfdesktop's icon style: 0 none, 1 minimised windows, 2 files and launchers (the default, so
// an unset property reads as 2).
IconSetting XfceIconStyle(const SystemCommands& commands) {
  const Arguments property{"xfconf-query", "-c", "xfce4-desktop", "-p", "/desktop-icons/style"};
  return {[=]() -> std::optional<std::string> {
            if (commands.find(property.front()).empty()) return std::nullopt;
            return Run(commands, property).value_or("2");
          },
          [=](const std::string& value) {
            Arguments set = property;
            set.insert(set.end(), {"-n", "-t", "int", "-s", value});
            return Run(commands, set).has_value();
          },
          "0"};
}

IconSetting GnomeDesktopIcons(const SystemCommands& commands) {
  const auto listed = [commands](const Arguments& list) {
    const auto output = Run(commands, list);
    return output &&
           ("\n" + *output + "\n").find(std::string("\n") + kDesktopIconsExtension + "\n") !=
               std::string::npos;
  };
  return {[=]() -> std::optional<std::string> {
            if (listed({"gnome-extensions", "list", "--enabled"})) return "enable";
            if (listed({"gnome-extensions", "list"})) return "disable";
            return std::nullopt;
          },
          [=](const std::string& value) {
            return Run(commands, {"gnome-extensions", value, kDesktopIconsExtension}).has_value();
          },
          "disable"};
}

std::optional<IconSetting> SettingFor(const SystemCommands& commands) {
  switch (CurrentDesktop(commands)) {
    case DesktopKind::kXfce:
      return XfceIconStyle(commands);
    case DesktopKind::kGnome:
      return GnomeDesktopIcons(commands);
    case DesktopKind::kMate:
      return GSettingsBoolean(commands, "org.mate.background", "show-desktop-icons");
    case DesktopKind::kCinnamon:
      return GSettingsBoolean(commands, "org.nemo.desktop", "show-desktop-icons");
    default:
      return std::nullopt;
  }
}

}  // namespace

LinuxDesktop::LinuxDesktop(SystemCommands commands) : commands_(std::move(commands)) {}

bool LinuxDesktop::ShowDesktopIcons(bool show) {
  const auto setting = SettingFor(commands_);
  if (!setting) return false;
  const auto current = setting->read();
  if (!current) return false;
  if (!show) {
    if (*current == setting->hidden) return true;  // nothing shown, nothing to remember
    if (!setting->write(setting->hidden)) return false;
    hiddenFrom_ = *current;
    return true;
  }
  if (!hiddenFrom_) return true;  // not hidden by us: what the user chose stays
  if (!setting->write(*hiddenFrom_)) return false;
  hiddenFrom_.reset();
  return true;
}

}  // namespace qav::platform
