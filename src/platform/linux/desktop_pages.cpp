#include "platform/linux/desktop_pages.h"

#include <array>
#include <sstream>
#include <string_view>

namespace qav::platform {
namespace {

constexpr unsigned Bit(DesktopKind desktop) {
  return 1U << static_cast<unsigned>(desktop);
}

constexpr unsigned kGnome = Bit(DesktopKind::kGnome);
constexpr unsigned kKde = Bit(DesktopKind::kKde);
constexpr unsigned kXfce = Bit(DesktopKind::kXfce);
constexpr unsigned kMate = Bit(DesktopKind::kMate);
constexpr unsigned kCinnamon = Bit(DesktopKind::kCinnamon);
constexpr unsigned kLxqt = Bit(DesktopKind::kLxqt);
constexpr unsigned kLxde = Bit(DesktopKind::kLxde);
constexpr unsigned kBudgie = Bit(DesktopKind::kBudgie);
constexpr unsigned kOther = Bit(DesktopKind::kOther);
constexpr unsigned kAny = ~0U;

struct PageCommand {
  SystemPage page;
  unsigned desktops;
  std::string_view command;  // words separated by single spaces
};

using P = SystemPage;

// In order of preference: a desktop's own tool comes before the tools any desktop may have,
// except for hardware, where the dedicated tools tell more than an "about" page.
constexpr std::array kPageCommands{
    PageCommand{P::kControlPanel, kGnome, "gnome-control-center"},
    PageCommand{P::kControlPanel, kBudgie, "budgie-control-center"},
    PageCommand{P::kControlPanel, kKde, "systemsettings"},
    PageCommand{P::kControlPanel, kKde, "systemsettings5"},
    PageCommand{P::kControlPanel, kXfce | kLxde | kOther, "xfce4-settings-manager"},
    PageCommand{P::kControlPanel, kMate, "mate-control-center"},
    PageCommand{P::kControlPanel, kCinnamon, "cinnamon-settings"},
    PageCommand{P::kControlPanel, kLxqt | kLxde | kOther, "lxqt-config"},

    PageCommand{P::kSystemProperties, kGnome, "gnome-control-center info-overview"},
    PageCommand{P::kSystemProperties, kBudgie, "budgie-control-center info-overview"},
    PageCommand{P::kSystemProperties, kKde, "kinfocenter"},
    PageCommand{P::kSystemProperties, kXfce, "xfce4-about"},
    PageCommand{P::kSystemProperties, kMate, "mate-system-monitor --show-system-tab"},
    PageCommand{P::kSystemProperties, kCinnamon, "cinnamon-settings info"},
    PageCommand{P::kSystemProperties, kAny, "hardinfo"},

    PageCommand{P::kPersonalize, kGnome, "gnome-control-center background"},
    PageCommand{P::kPersonalize, kBudgie, "budgie-control-center background"},
    PageCommand{P::kPersonalize, kKde, "kcmshell6 kcm_lookandfeel"},
    PageCommand{P::kPersonalize, kKde, "kcmshell5 kcm_lookandfeel"},
    PageCommand{P::kPersonalize, kXfce, "xfdesktop-settings"},
    PageCommand{P::kPersonalize, kMate, "mate-appearance-properties"},
    PageCommand{P::kPersonalize, kCinnamon, "cinnamon-settings backgrounds"},
    PageCommand{P::kPersonalize, kLxqt, "lxqt-config-appearance"},
    PageCommand{P::kPersonalize, kLxde | kOther, "lxappearance"},

    PageCommand{P::kScreenResolution, kGnome, "gnome-control-center display"},
    PageCommand{P::kScreenResolution, kBudgie, "budgie-control-center display"},
    PageCommand{P::kScreenResolution, kKde, "kcmshell6 kcm_kscreen"},
    PageCommand{P::kScreenResolution, kKde, "kcmshell5 kcm_kscreen"},
    PageCommand{P::kScreenResolution, kXfce, "xfce4-display-settings"},
    PageCommand{P::kScreenResolution, kMate, "mate-display-properties"},
    PageCommand{P::kScreenResolution, kCinnamon, "cinnamon-settings display"},
    PageCommand{P::kScreenResolution, kLxqt, "lxqt-config-monitor"},
    PageCommand{P::kScreenResolution, kLxde | kOther, "lxrandr"},
    PageCommand{P::kScreenResolution, kAny, "arandr"},

    PageCommand{P::kUninstall, kKde, "plasma-discover --mode Installed"},
    PageCommand{P::kUninstall, kAny, "gnome-software --mode=installed"},
    PageCommand{P::kUninstall, kAny & ~kKde, "plasma-discover --mode Installed"},
    PageCommand{P::kUninstall, kAny, "synaptic-pkexec"},

    PageCommand{P::kNetwork, kGnome, "gnome-control-center network"},
    PageCommand{P::kNetwork, kBudgie, "budgie-control-center network"},
    PageCommand{P::kNetwork, kKde, "kcmshell6 kcm_networkmanagement"},
    PageCommand{P::kNetwork, kKde, "kcmshell5 kcm_networkmanagement"},
    PageCommand{P::kNetwork, kCinnamon, "cinnamon-settings network"},
    PageCommand{P::kNetwork, kAny, "nm-connection-editor"},

    PageCommand{P::kNetworkConnections, kAny, "nm-connection-editor"},
    PageCommand{P::kNetworkConnections, kKde, "kcmshell6 kcm_networkmanagement"},
    PageCommand{P::kNetworkConnections, kKde, "kcmshell5 kcm_networkmanagement"},
    PageCommand{P::kNetworkConnections, kGnome, "gnome-control-center network"},
    PageCommand{P::kNetworkConnections, kBudgie, "budgie-control-center network"},
    PageCommand{P::kNetworkConnections, kCinnamon, "cinnamon-settings network"},

    PageCommand{P::kPrinters, kGnome, "gnome-control-center printers"},
    PageCommand{P::kPrinters, kBudgie, "budgie-control-center printers"},
    PageCommand{P::kPrinters, kKde, "kcmshell6 kcm_printer_manager"},
    PageCommand{P::kPrinters, kKde, "kcmshell5 kcm_printer_manager"},
    PageCommand{P::kPrinters, kAny, "system-config-printer"},

    PageCommand{P::kDeviceManager, kAny, "hardinfo"},
    PageCommand{P::kDeviceManager, kAny, "lshw-gtk"},
    PageCommand{P::kDeviceManager, kKde, "kinfocenter"},
    PageCommand{P::kDeviceManager, kGnome, "gnome-control-center info-overview"},
    PageCommand{P::kDeviceManager, kBudgie, "budgie-control-center info-overview"},
    PageCommand{P::kDeviceManager, kCinnamon, "cinnamon-settings info"},
    PageCommand{P::kDeviceManager, kMate, "mate-system-monitor --show-system-tab"},

    PageCommand{P::kSearch, kKde, "kfind"},
    PageCommand{P::kSearch, kMate, "mate-search-tool"},
    PageCommand{P::kSearch, kGnome | kBudgie, "gnome-search-tool"},
    PageCommand{P::kSearch, kAny, "catfish"},

    PageCommand{P::kComputer, kGnome | kBudgie, "nautilus other-locations:///"},
    PageCommand{P::kComputer, kCinnamon | kBudgie, "nemo computer:///"},
    PageCommand{P::kComputer, kMate, "caja computer:///"},
    PageCommand{P::kComputer, kXfce, "thunar computer:///"},
    PageCommand{P::kComputer, kKde, "dolphin /"},
    PageCommand{P::kComputer, kLxqt, "pcmanfm-qt computer:///"},
    PageCommand{P::kComputer, kLxde, "pcmanfm computer:///"},
    PageCommand{P::kComputer, kAny, "xdg-open /"},

    PageCommand{P::kWorkgroup, kGnome | kBudgie, "nautilus network:///"},
    PageCommand{P::kWorkgroup, kCinnamon | kBudgie, "nemo network:///"},
    PageCommand{P::kWorkgroup, kMate, "caja network:///"},
    PageCommand{P::kWorkgroup, kXfce, "thunar network:///"},
    PageCommand{P::kWorkgroup, kKde, "dolphin remote:/"},
    PageCommand{P::kWorkgroup, kLxqt, "pcmanfm-qt network:///"},
    PageCommand{P::kWorkgroup, kLxde, "pcmanfm network:///"},
    PageCommand{P::kWorkgroup, kAny, "xdg-open /"},

    PageCommand{P::kTrash, kGnome | kBudgie, "nautilus trash:///"},
    PageCommand{P::kTrash, kCinnamon | kBudgie, "nemo trash:///"},
    PageCommand{P::kTrash, kMate, "caja trash:///"},
    PageCommand{P::kTrash, kXfce, "thunar trash:///"},
    PageCommand{P::kTrash, kKde, "dolphin trash:/"},
    PageCommand{P::kTrash, kLxqt, "pcmanfm-qt trash:///"},
    PageCommand{P::kTrash, kLxde, "pcmanfm trash:///"},
    PageCommand{P::kTrash, kAny, "xdg-open %trash"},
};

Arguments Words(std::string_view command) {
  Arguments words;
  std::istringstream in{std::string(command)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

std::vector<Arguments> PageCandidates(SystemPage page, DesktopKind desktop) {
  std::vector<Arguments> candidates;
  for (const PageCommand& row : kPageCommands) {
    if (row.page == page && (row.desktops & Bit(desktop)) != 0) {
      candidates.push_back(Words(row.command));
    }
  }
  return candidates;
}

}  // namespace qav::platform
