#include "platform/linux/linux_shell_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace qav::platform {
namespace {

class ShellFoldersTest : public ::testing::Test {
 protected:
  LinuxShellFolders Folders() {
    return LinuxShellFolders([this](const std::string& name) -> std::optional<std::string> {
      const auto it = env.find(name);
      if (it == env.end()) return std::nullopt;
      return it->second;
    });
  }
  test::TempDir home;
  std::map<std::string, std::string> env{{"HOME", home.path() + "/"}};
};

TEST_F(ShellFoldersTest, BaseDirectoriesFollowXdgWithTheirDefaults) {
  EXPECT_EQ(Folders().SpecialFolder(26), home / ".local/share");
  EXPECT_EQ(Folders().SpecialFolder(40), home.path());
  env["XDG_DATA_HOME"] = "/data/ann/";
  env["XDG_CONFIG_HOME"] = "relative/ignored";
  EXPECT_EQ(Folders().SpecialFolder(26), "/data/ann");
  EXPECT_EQ(Folders().ConfigHome(), home / ".config");
  EXPECT_EQ(Folders().SpecialFolder(37), "/usr/bin");
  EXPECT_EQ(Folders().SpecialFolder(99), "");
}

TEST_F(ShellFoldersTest, StateAndRecentFilesFollowXdgWithTheirDefaults) {
  EXPECT_EQ(Folders().ProgramStateFolder(), home / ".local/state/qav-launcher");
  EXPECT_EQ(Folders().RecentFilesList(), home / ".local/share/recently-used.xbel");
  env["XDG_STATE_HOME"] = "/state/ann/";
  env["XDG_DATA_HOME"] = "/data/ann";
  EXPECT_EQ(Folders().ProgramStateFolder(), "/state/ann/qav-launcher");
  EXPECT_EQ(Folders().RecentFilesList(), "/data/ann/recently-used.xbel");
  env["XDG_STATE_HOME"] = "relative";
  EXPECT_EQ(Folders().ProgramStateFolder(), home / ".local/state/qav-launcher");
}

// Relative entries are not base directories at all: they would name folders below whatever the
// working directory happens to be.
TEST_F(ShellFoldersTest, ApplicationFoldersSkipRelativeBaseDirectories) {
  EXPECT_EQ(
      Folders().ApplicationFolders(),
      (std::vector<std::string>{home / ".local/share/applications/",
                                "/usr/local/share/applications/", "/usr/share/applications/"}));
  env["XDG_DATA_HOME"] = "relative/data";
  env["XDG_DATA_DIRS"] = "/opt/share/::relative:/srv";
  EXPECT_EQ(Folders().ApplicationFolders(),
            (std::vector<std::string>{home / ".local/share/applications/",
                                      "/opt/share/applications/", "/srv/applications/"}));
}

TEST_F(ShellFoldersTest, UserDirectoriesComeFromUserDirsDirs) {
  std::filesystem::create_directories(home / ".config");
  test::WriteText(home / ".config/user-dirs.dirs",
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                  "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n"
                  "XDG_MUSIC_DIR=relative-is-ignored\n"
                  "XDG_PICTURES_DIR=\"$HOME/My \\\"Pics\\\"\"\n");
  LinuxShellFolders folders = Folders();
  EXPECT_EQ(folders.SpecialFolder(0), home / "Schreibtisch");
  EXPECT_EQ(folders.SpecialFolder(5), "/srv/docs");
  EXPECT_EQ(folders.SpecialFolder(13), home / "Music");
  EXPECT_EQ(folders.SpecialFolder(39), home / "My \"Pics\"");
  EXPECT_EQ(folders.SpecialFolder(14), home / "Videos");
}

// The group of places offers what a Linux user reaches for, named as the folders are named.
TEST_F(ShellFoldersTest, PlacesAreHomeAndTheUserFoldersByTheirOwnNames) {
  env["XDG_DOCUMENTS_DIR"] = home / "Dokumente";
  LinuxShellFolders folders = Folders();
  EXPECT_EQ(folders.PlaceFolders(), (std::vector<int>{40, 0, 5, 6, 13, 39, 14}));
  EXPECT_EQ(folders.FolderTitle(40), "Home");
  EXPECT_EQ(folders.FolderTitle(5), "Dokumente");
  EXPECT_EQ(folders.FolderTitle(6), "Downloads");
  EXPECT_EQ(folders.FolderTitle(36), "usr");  // never "Windows Directory"
  EXPECT_EQ(folders.FolderTitle(99), "");
}

}  // namespace
}  // namespace qav::platform
