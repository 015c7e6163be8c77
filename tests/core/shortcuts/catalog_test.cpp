#include "core/shortcuts/catalog.h"

#include <gtest/gtest.h>

#include "base/path_separator.h"
#include "base/utf8_path.h"
#include "core/shortcuts/default_groups.h"
#include "core/shortcuts/group_editing.h"
#include "shortcuts_fixture.h"

namespace qav {
namespace {

TEST(Catalog, BuiltInRecordsFollowTheUserAndTheSettings) {
  Tables t = MakeTables();
  CatalogContext c;
  c.sysIconsFolder = "/s/";
  c.userName = "abc";
  c.hideDesktopIcons = true;
  c.draggingLocked = true;
  c.recycleBinFull = true;
  BuildCatalog(t, c);
  EXPECT_EQ(t.Shortcuts[65].Title.Get(), "Open abc's Documents");
  EXPECT_EQ(t.Shortcuts[72].Title.Get(), "Always Show Desktop Icons");
  EXPECT_EQ(t.Shortcuts[74].IconFile.Get(), "/s/Allow Dragging.png");
  EXPECT_EQ(t.Shortcuts[0].Title.Get(), "abc");
  EXPECT_EQ(t.Shortcuts[0].IconFile.Get(), "");  // no user picture yet
  EXPECT_EQ(t.Shortcuts[2].Title.Get(), "Recycle Bin (Full)");
  EXPECT_EQ(t.Shortcuts[2].CommandId, kCmdEmptyRecycleBin);
  EXPECT_EQ(t.Shortcuts[1].CommandId, kCmdComputer);
  EXPECT_EQ(t.Groups[0].MemberCount, 16);
  EXPECT_EQ(t.Groups[1].Members[14], 94);
  EXPECT_EQ(t.Groups[2].Members[3], 103);
  EXPECT_EQ(t.Shortcuts[93].Title.Get(), "Run");
  EXPECT_EQ(t.Shortcuts[93].CommandId, 93);
  EXPECT_EQ(t.Shortcuts[36].Kind, kKindBlank);
  EXPECT_EQ(t.Shortcuts[41].IconFile.Get(), "/s/Application.png");
  EXPECT_TRUE(t.Shortcuts[96].Title.IsEmpty());
}

class DefaultGroupsTest : public ::testing::Test, protected test::ShortcutsFixture {
 protected:
  void Build(int number) {
    Classifier classifier(Context());
    DefaultGroupContext context{state.tables, state.paths, platform,
                                classifier,   6,           {home / "apps/"}};
    BuildDefaultGroup(context, number, 0);
  }
};

TEST_F(DefaultGroupsTest, WebSitesBrowserAndMail) {
  Build(7);
  const GroupRecord& sites = state.tables.Groups[7];
  ASSERT_EQ(sites.MemberCount, 13);
  EXPECT_EQ(Record(7).Title.Get(), "Website Group");
  EXPECT_EQ(Record(sites.Members[6]).Path.Get().rfind("https://", 0), 0u);  // only Twitter
  EXPECT_EQ(Record(sites.Members[9]).Title.Get(), "Last.fm");
  EXPECT_EQ(Record(sites.Members[13]).IconFile.Get(), "/app/SysIcons/DeviantART.png");
  Build(8);
  Build(9);
  EXPECT_EQ(Record(8).Target.Get(), "/usr/bin/firefox");
  EXPECT_EQ(Record(9).Title.Get(), "Check Email");
  EXPECT_EQ(Record(9).Kind, kKindDockShortcut);
}

TEST_F(DefaultGroupsTest, FoldersOfEntriesSkipHiddenOnesAndStopWhenFull) {
  std::filesystem::create_directories(home / "apps");
  test::WriteText(home / "apps/b.desktop", "[Desktop Entry]\nType=Application\nName=B\nExec=b\n");
  test::WriteText(home / "apps/a.desktop",
                  "[Desktop Entry]\nType=Application\nName=A\nExec=a\nNoDisplay=true\n");
  test::WriteText(home / "apps/.hidden", "x");
  state.paths.AllUsersDesktopFolder = home / "apps/";
  Build(3);
  ASSERT_EQ(state.tables.Groups[3].MemberCount, 1);
  EXPECT_EQ(Record(state.tables.Groups[3].Members[1]).Title.Get(), "B");
  EXPECT_EQ(Record(3).Kind, kKindAllPrograms);

  for (int i = 0; i < 40; ++i) test::WriteText(home / ("apps/f" + std::to_string(i)), "x");
  Record(5).Kind = kKindGroup;
  Record(5).Title = "Tools (Empty)";
  Classifier classifier(Context());
  DefaultGroupContext context{state.tables, state.paths, platform, classifier, 6, {}};
  AddFolderEntries(context, 5, home / "apps/", 0);
  EXPECT_EQ(state.tables.Groups[5].MemberCount, kGroupCapacity);
  EXPECT_EQ(Record(5).Title.Get(), "Tools (Full)");
}

// The applications folder also holds caches and indexes, and entries meant for other desktops
// or for programs that are not installed; only what a menu would list becomes a member.
TEST_F(DefaultGroupsTest, ApplicationsFolderGivesOnlyTheApplicationsAMenuLists) {
  namespace fs = std::filesystem;
  fs::create_directories(home / "apps");
  const auto entry = [&](const std::string& name, const std::string& extra) {
    test::WriteText(
        home / ("apps/" + name + ".desktop"),
        "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=/bin/true\n" + extra);
  };
  entry("shown", "");
  entry("deleted", "Hidden=true\n");
  entry("kde-only", "OnlyShowIn=KDE;\n");
  entry("here-only", "OnlyShowIn=KDE;XFCE;\n");
  entry("not-here", "NotShowIn=XFCE;\n");
  entry("refused-too", "OnlyShowIn=XFCE;\nNotShowIn=ubuntu;\n");  // NotShowIn wins
  entry("missing", "TryExec=no-such-program-qav\n");
  entry("installed", "TryExec=qav-test-tool\n");
  // A program on the search path, which every user may run.
  fs::create_directories(home / "bin");
  test::WriteText(home / "bin/qav-test-tool", "#!/bin/sh\n");
  fs::permissions(platform::PathFromUtf8(home / "bin/qav-test-tool"), fs::perms::all);
  system.environment["PATH"] = home / "none" + platform::kSearchPathSeparator + home / "bin";
  test::WriteText(home / "apps/folder.desktop", "[Desktop Entry]\nType=Directory\nName=F\n");
  test::WriteText(home / "apps/mimeinfo.cache", "[MIME Cache]\ntext/plain=shown.desktop;\n");
  test::WriteText(home / "apps/bamf-2.index", "x");
  system.environment["XDG_CURRENT_DESKTOP"] = "ubuntu:XFCE";
  state.paths.AllUsersDesktopFolder = home / "apps/";
  Build(3);
  std::vector<std::string> titles;
  for (int m = 1; m <= state.tables.Groups[3].MemberCount; ++m) {
    titles.push_back(Record(state.tables.Groups[3].Members[m]).Title.Get());
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"here-only", "installed", "shown"}));
}

// What the group of system folders and drives holds comes from the desktop: on Windows the
// program's folders and drive titles, on Linux home, the user's folders that exist, the file
// system and the volumes, each by the name the desktop gives it.
TEST_F(DefaultGroupsTest, SystemFoldersAndDrivesUseTheDesktopsPlacesAndNames) {
  namespace fs = std::filesystem;
  const auto titles = [this] {
    std::vector<std::string> found;
    for (int m = 1; m <= state.tables.Groups[4].MemberCount; ++m) {
      found.push_back(Record(state.tables.Groups[4].Members[m]).Title.Get());
    }
    return found;
  };
  const std::string root = test::Native("/");
  volumes.volumes = {{root, platform::DriveType::kFixed, "C:", true, false, {}}};
  state.paths.PlaceFolders = platform::fake::FakeShellFolders().PlaceFolders();
  // Folders that exist on every system, so that each is taken for the folder in its role.
  state.paths.WindowsFolder = home / "windows/";
  state.paths.SystemFolder = home / "windows/system/";
  fs::create_directories(platform::PathFromUtf8(state.paths.SystemFolder));
  Build(4);
  EXPECT_EQ(titles(), (std::vector<std::string>{"My Documents", "Windows Directory",
                                                "System Directory", "Local Disk (C:)"}));

  Paths& p = state.paths;
  p.DesktopFolder = home / "Desktop/";
  p.Favorites = home / "Downloads/";
  p.MyMusic = home / "Musik/";
  p.MyPictures = home / "Pictures/";
  p.MyVideos = home / "Videos/";  // not there: left out
  for (const std::string& folder : {p.DesktopFolder, p.Favorites, p.MyMusic, p.MyPictures}) {
    fs::create_directories(platform::PathFromUtf8(folder));
  }
  p.PlaceFolders = {kCsidlProfile, kCsidlDesktop,    kCsidlPersonal, kCsidlFavorites,
                    kCsidlMyMusic, kCsidlMyPictures, kCsidlMyVideo};
  p.FolderTitles = {{kCsidlProfile, "Home"},       {kCsidlDesktop, "Desktop"},
                    {kCsidlPersonal, "Documents"}, {kCsidlFavorites, "Downloads"},
                    {kCsidlMyMusic, "Musik"},      {kCsidlMyPictures, "Pictures"}};
  fs::create_directories(platform::PathFromUtf8(home / "stick"));
  volumes.volumes = {
      {root, platform::DriveType::kFixed, "/", true, false, "File System"},
      {home / "stick/", platform::DriveType::kRemovable, "STICK", false, false, "STICK"}};
  state.tables.Groups[4].MemberCount = 0;
  Build(4);
  EXPECT_EQ(titles(), (std::vector<std::string>{"Home", "Desktop", "Documents", "Downloads",
                                                "Musik", "Pictures", "File System", "STICK"}));
  EXPECT_EQ(Record(state.tables.Groups[4].Members[1]).IconFile.Get(),
            "/app/SysIcons/UserFolder.png");
}

// All Programs reads every applications folder, one entry per desktop-file id with the user's
// copy standing for it, adds the user's desktop, and lists everything as one list by title.
TEST_F(DefaultGroupsTest, AllProgramsListsEveryApplicationsFolderByTitle) {
  namespace fs = std::filesystem;
  const auto entry = [&](const std::string& path, const std::string& name,
                         const std::string& extra = "") {
    fs::create_directories(fs::path(path).parent_path());
    test::WriteText(
        path, "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=/bin/true\n" + extra);
  };
  entry(home / "user/zulu.desktop", "Zulu Editor");
  entry(home / "system/zulu.desktop", "Zulu Editor (system)");
  entry(home / "user/gone.desktop", "Gone", "Hidden=true\n");
  entry(home / "system/gone.desktop", "Gone (system)");
  entry(home / "system/apple.desktop", "apple notes");
  entry(home / "system/kde/konsole.desktop", "Konsole");
  entry(home / "desk/mango.desktop", "Mango Player");
  state.paths.AllUsersDesktopFolder = home / "system/";
  state.paths.DesktopFolder = home / "desk/";
  Classifier classifier(Context());
  DefaultGroupContext context{
      state.tables, state.paths, platform,
      classifier,   6,           {home / "user/", home / "none/", home / "system/"}};
  BuildDefaultGroup(context, 3, 0);
  std::vector<std::string> titles;
  for (int m = 1; m <= state.tables.Groups[3].MemberCount; ++m) {
    titles.push_back(Record(state.tables.Groups[3].Members[m]).Title.Get());
  }
  EXPECT_EQ(titles,
            (std::vector<std::string>{"apple notes", "Konsole", "Mango Player", "Zulu Editor"}));
}

}  // namespace
}  // namespace qav
