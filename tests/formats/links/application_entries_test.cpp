// Desktop-file ids across the applications folders: the most important folder's file counts for
// an id, a file in a sub-folder is found by its dashed id, and links to files are followed.

#include "formats/links/application_entries.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace qav::readers {
namespace {

namespace fs = std::filesystem;

TEST(ApplicationEntries, TheMostImportantFolderCountsForEachIdAndSubFoldersAreDashed) {
  const test::TempDir dir;
  const std::string user = dir / "home/applications/";
  const std::string local = dir / "local/applications";  // without a closing separator
  const std::string system = dir / "usr/applications/";
  for (const std::string& path : {user + "editor.desktop", local + "/kde/konqueror.desktop",
                                  system + "editor.desktop", system + "kde-konqueror.desktop",
                                  system + "org.app.Viewer.desktop", system + "mimeinfo.cache"}) {
    fs::create_directories(fs::path(path).parent_path());
    test::WriteText(path, "[Desktop Entry]\n");
  }
#ifndef _WIN32  // Windows makes links for privileged users only
  fs::create_directories(dir / "flatpak/app");
  test::WriteText(dir / "flatpak/app/real.desktop", "[Desktop Entry]\n");
  fs::create_symlink(dir / "flatpak/app/real.desktop", system + "org.flat.Pak.desktop");
#endif
  const std::vector<std::string> folders{user, local, system};
  const std::string konqueror = local + test::Native("/kde/konqueror.desktop");

  const std::vector<ApplicationEntry> entries = ListApplicationEntries(folders);
  std::vector<std::string> seen;
  for (const ApplicationEntry& e : entries) seen.push_back(e.id + " " + e.path);
  std::vector<std::string> expected{"editor.desktop " + user + "editor.desktop",
                                    "kde-konqueror.desktop " + konqueror,
                                    "org.app.Viewer.desktop " + system + "org.app.Viewer.desktop"};
#ifndef _WIN32
  expected.push_back("org.flat.Pak.desktop " + system + "org.flat.Pak.desktop");
#endif
  EXPECT_EQ(seen, expected);

  EXPECT_EQ(FindDesktopEntry(folders, "editor.desktop"), user + "editor.desktop");
  EXPECT_EQ(FindDesktopEntry(folders, "kde-konqueror.desktop"), konqueror);
  EXPECT_EQ(FindDesktopEntry({system}, "kde-konqueror.desktop"), system + "kde-konqueror.desktop");
  EXPECT_EQ(FindDesktopEntry(folders, "org.app.Viewer.desktop"), system + "org.app.Viewer.desktop");
  EXPECT_EQ(FindDesktopEntry(folders, "missing.desktop"), "");
  EXPECT_EQ(FindDesktopEntry(folders, "kde/konqueror.desktop"), "");  // an id has no folders
  EXPECT_EQ(FindDesktopEntry(folders, "mimeinfo.cache"), "");
  EXPECT_TRUE(ListApplicationEntries({dir / "none/"}).empty());
}

}  // namespace
}  // namespace qav::readers
