#include "core/operations/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "startup_fixture.h"

namespace qav {
namespace {

TEST(ClearDataFiles, RemovesMenuAndPicturesAndSettingsOnlyWhenAsked) {
  test::StartupFixture f;
  const Paths& p = f.state.paths;
  for (const std::string& file :
       {p.SettingsFile, p.SettingsBackup(), p.MenuFile, p.MenuBackup(), p.IconStore + "1.png",
        p.IconStore + "2.PNG", p.UserIconFile, p.IconStore + "notes.txt"}) {
    test::WriteText(file, "x");
  }
  ClearDataFiles(p, false);
  namespace fs = std::filesystem;
  EXPECT_TRUE(fs::exists(p.SettingsFile));
  EXPECT_TRUE(fs::exists(p.SettingsBackup()));
  EXPECT_FALSE(fs::exists(p.MenuFile));
  EXPECT_FALSE(fs::exists(p.MenuBackup()));
  EXPECT_FALSE(fs::exists(p.IconStore + "1.png"));
  EXPECT_FALSE(fs::exists(p.IconStore + "2.PNG"));
  EXPECT_TRUE(fs::exists(p.UserIconFile));
  EXPECT_TRUE(fs::exists(p.IconStore + "notes.txt"));
  ClearDataFiles(p, true);
  EXPECT_FALSE(fs::exists(p.SettingsFile));
  EXPECT_FALSE(fs::exists(p.SettingsBackup()));
}

}  // namespace
}  // namespace qav
