// What a Wayland user is told to do for the hot keys: the desktop binds the program's command
// lines itself, with the lines to paste for the compositors configured in a file.

#include "platform/linux/desktop_key_binding.h"

#include <gtest/gtest.h>

namespace qav::platform {
namespace {

TEST(DesktopKeyBindingTest, SwayAndHyprlandGetTheLinesToPaste) {
  const std::string sway = DesktopKeysNotice("sway", "qav-launcher");
  EXPECT_NE(sway.find("~/.config/sway/config"), std::string::npos);
  EXPECT_NE(sway.find("\nbindsym Mod1+space exec qav-launcher --keyboard"
                      "\nbindsym Shift+Tab exec qav-launcher --switch"
                      "\nbindsym Ctrl+Tab exec qav-launcher --minimize"),
            std::string::npos)
      << sway;
  const std::string hyprland = DesktopKeysNotice("Hyprland", "/opt/qav/qav-launcher");
  EXPECT_NE(hyprland.find("\nbind = ALT, space, exec, /opt/qav/qav-launcher --keyboard"
                          "\nbind = SHIFT, Tab, exec, /opt/qav/qav-launcher --switch"
                          "\nbind = CTRL, Tab, exec, /opt/qav/qav-launcher --minimize"),
            std::string::npos)
      << hyprland;
}

// XDG_CURRENT_DESKTOP lists the most specific name first; any of them may be the family.
TEST(DesktopKeyBindingTest, GnomeAndKdeAreToldWhereTheirSettingsAre) {
  EXPECT_NE(DesktopKeysNotice("ubuntu:GNOME", "qav-launcher")
                .find("Settings, Keyboard, View and Customize Shortcuts, Custom Shortcuts"),
            std::string::npos);
  EXPECT_NE(DesktopKeysNotice("KDE", "qav-launcher").find("System Settings, Shortcuts"),
            std::string::npos);
  const std::string other = DesktopKeysNotice("", "qav-launcher");
  EXPECT_EQ(other.find("bindsym"), std::string::npos);
  EXPECT_NE(other.find("\"qav-launcher --keyboard\""), std::string::npos);
}

// The notice never blames another program: in this session no program can take the keys.
TEST(DesktopKeyBindingTest, EveryNoticeNamesTheThreeCommandsAndNoOtherProgram) {
  for (const char* desktop : {"sway", "Hyprland", "GNOME", "KDE", "wayfire"}) {
    const std::string text = DesktopKeysNotice(desktop, "qav-launcher");
    for (const char* option : {"--keyboard", "--switch", "--minimize"}) {
      EXPECT_NE(text.find(std::string("qav-launcher ") + option), std::string::npos) << desktop;
    }
    EXPECT_EQ(text.find("other program"), std::string::npos) << desktop;
    EXPECT_NE(text.find("This desktop decides the system-wide keys itself"), std::string::npos);
  }
  EXPECT_STREQ(BindingOf(HotKey::kFocus).option, "--keyboard");
  EXPECT_EQ(BindingOf(HotKey::kMinimize).key, HotKey::kMinimize);
}

}  // namespace
}  // namespace qav::platform
