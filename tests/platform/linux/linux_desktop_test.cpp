#include "platform/linux/linux_desktop.h"

#include <gtest/gtest.h>

#include "platform/linux/fake_commands.h"

namespace qav::platform {
namespace {

constexpr char kXfceStyle[] = "xfconf-query -c xfce4-desktop -p /desktop-icons/style";

class DesktopIconsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Writes() const {
    std::vector<std::string> writes;
    for (const std::string& line : machine.ran) {
      if (line.find(" -s ") != std::string::npos || line.find(" set ") != std::string::npos ||
          line.find("able ding") != std::string::npos) {
        writes.push_back(line);
      }
    }
    return writes;
  }
  test::FakeMachine machine{{"xfconf-query", "gsettings", "gnome-extensions"}, {}, {}, {}, {}};
};

TEST_F(DesktopIconsTest, HidingRemembersTheUsersSettingAndShowingRestoresIt) {
  machine.environment["XDG_CURRENT_DESKTOP"] = "XFCE";
  machine.outputs[kXfceStyle] = "1\n";
  machine.outputs[std::string(kXfceStyle) + " -n -t int -s 0"] = "";
  machine.outputs[std::string(kXfceStyle) + " -n -t int -s 1"] = "";
  LinuxDesktop desktop(machine.Commands());
  EXPECT_TRUE(desktop.ShowDesktopIcons(true));  // never hidden: nothing to put back
  EXPECT_TRUE(desktop.ShowDesktopIcons(false));
  machine.outputs[kXfceStyle] = "0\n";
  EXPECT_TRUE(desktop.ShowDesktopIcons(false));  // already hidden: the saved 1 is kept
  EXPECT_TRUE(desktop.ShowDesktopIcons(true));
  EXPECT_EQ(Writes(), (std::vector<std::string>{std::string(kXfceStyle) + " -n -t int -s 0",
                                                std::string(kXfceStyle) + " -n -t int -s 1"}));
}

TEST_F(DesktopIconsTest, IconsTheUserSwitchedOffStayOff) {
  machine.environment["XDG_CURRENT_DESKTOP"] = "MATE";
  machine.outputs["gsettings get org.mate.background show-desktop-icons"] = "false\n";
  LinuxDesktop mate(machine.Commands());
  EXPECT_TRUE(mate.ShowDesktopIcons(false));
  EXPECT_TRUE(mate.ShowDesktopIcons(true));

  machine.environment["XDG_CURRENT_DESKTOP"] = "ubuntu:GNOME";
  machine.outputs["gnome-extensions list --enabled"] = "other@x.org\n";
  machine.outputs["gnome-extensions list"] = "other@x.org\nding@rastersoft.com\n";
  LinuxDesktop gnome(machine.Commands());
  EXPECT_TRUE(gnome.ShowDesktopIcons(false));
  EXPECT_TRUE(gnome.ShowDesktopIcons(true));
  EXPECT_EQ(Writes(), std::vector<std::string>{});
}

TEST_F(DesktopIconsTest, DesktopsWithoutASwitchAreLeftAlone) {
  machine.outputs["gnome-extensions list --enabled"] = "";
  machine.outputs["gnome-extensions list"] = "";
  for (const char* desktop : {"KDE", "LXQt", "", "GNOME"}) {
    machine.environment["XDG_CURRENT_DESKTOP"] = desktop;
    EXPECT_FALSE(LinuxDesktop(machine.Commands()).ShowDesktopIcons(false)) << desktop;
  }
  EXPECT_EQ(Writes(), std::vector<std::string>{});
}

}  // namespace
}  // namespace qav::platform
