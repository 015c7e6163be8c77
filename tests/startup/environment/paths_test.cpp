#include "startup/environment/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fake/fake_platform.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

TEST(InitPaths, LaysOutTheDataFolderUnderApplicationDataAndCreatesIt) {
  test::TempDir home;
  platform::fake::FakeShellFolders folders;
  folders.folders[kCsidlAppData] = home / "fresh/.local/share";  // not there yet
  folders.folders[kCsidlDesktop] = home / "Desktop/";
  platform::fake::FakeSystemInfo system;
  system.executable = "/opt/qav/bin/qav-launcher";

  const Paths p = InitPaths(folders, system);

  const std::string data = home / "fresh/.local/share/Brevona/QAV Launcher/";
  EXPECT_EQ(p.DataFolder, data);
  EXPECT_EQ(p.IconStore, data + "QavIcons/");
  EXPECT_EQ(p.SettingsFile, data + "QAVCfg.cfg");
  EXPECT_EQ(p.SettingsBackup(), data + "QAVCfg.cfg.bak");
  EXPECT_EQ(p.MenuFile, data + "QAVMenu.cfg");
  EXPECT_EQ(p.UserIconFile, data + "QavIcons/User Icon.ico");
  EXPECT_EQ(p.AppFolder, "/opt/qav/bin/");
  EXPECT_EQ(p.SysIconsFolder, "/opt/qav/bin/SysIcons/");
  EXPECT_EQ(p.DesktopFolder, home / "Desktop/");  // no doubled separator
  EXPECT_EQ(p.Favorites, "");                     // unknown here: left empty
  EXPECT_TRUE(std::filesystem::is_directory(p.IconStore));
}

}  // namespace
}  // namespace qav
