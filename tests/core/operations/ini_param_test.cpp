#include "core/operations/ini_param.h"

#include <gtest/gtest.h>

#include "core/operations/reload.h"

#include <filesystem>
#include "startup_fixture.h"

namespace qav {
namespace {

class IniParamTest : public ::testing::Test, protected test::StartupFixture {
 protected:
  void Init(int width, int height, bool loadSettings = true, bool loadMenu = true) {
    IniParam(state, true, loadSettings, loadMenu, platform, test::ScreenOf(width, height),
             pictures);
  }
};

TEST_F(IniParamTest, DefaultsFollowTheScreen) {
  Init(1366, 768);
  EXPECT_EQ(state.MenuRows, 17);
  EXPECT_EQ(state.settings.MaxRadius, 304);
  EXPECT_EQ(state.settings.RingRadius, 300);
  EXPECT_EQ(state.settings.IconCount, 24);
  EXPECT_EQ(state.settings.TintColour.alpha, 192);
  EXPECT_TRUE(state.settings.AutoRun);
  EXPECT_EQ(state.settings.Record.SpareX, (1366 * 15 - 6240) / 2);
  EXPECT_EQ(state.settings.Record.SpareY, 768 * 15 - 1035);
  EXPECT_EQ(state.imageSlots.Sizes[1], 48);
  EXPECT_EQ(state.imageSlots.Sizes[2], 64);
  EXPECT_EQ(state.imageSlots.Sizes[3], 128);
  EXPECT_EQ(state.imageSlots.Sizes[4], 32);
  EXPECT_EQ(state.ring.Slots[1].PlateLeft, 683 + 300 - 24);

  Init(1024, 600);
  EXPECT_EQ(state.settings.MaxRadius, 220);
  EXPECT_EQ(state.settings.RingRadius, 220);
  EXPECT_EQ(state.MenuRows, 12);
  Init(1920, 1080);
  EXPECT_EQ(state.MenuRows, 18);
  EXPECT_EQ(registry.writes, 0);  // no settings file: no auto-start entry at this start
}

TEST_F(IniParamTest, TablesKeepTheirFixedLinks) {
  Init(1366, 768);
  for (int g = 0; g < kGroupCount; ++g) EXPECT_EQ(state.tables.Groups[g].Members[0], g);
  EXPECT_EQ(state.tables.Groups[3].Members.size(), 1025u);
  EXPECT_EQ(state.tables.Groups[4].Members.size(), 37u);
  // The recycle bin shows the picture row of its current face (template 37 or 38).
  EXPECT_EQ(state.tables.Shortcuts[2].ImageRow, 37);
  for (int r = 3; r <= kLastRecord; ++r) ASSERT_EQ(state.tables.Shortcuts[r].ImageRow, r);
}

TEST_F(IniParamTest, SavedSettingsAndItemsComeBackAndShapeTheRing) {
  Init(1366, 768);
  state.settings.IconCount = 8;
  state.settings.NormalIconSize = 32;
  state.tables.Shortcuts[200].Title = "kept";
  SaveConfiguration(state, platform);

  state = AppState{};
  state.paths = InitPaths(folders, system);
  Init(1366, 768);
  EXPECT_EQ(state.settings.IconCount, 8);
  EXPECT_EQ(state.tables.Shortcuts[200].Title.Get(), "kept");
  EXPECT_EQ(state.tables.Shortcuts[20].Kind, kKindBlank);
  EXPECT_EQ(state.ring.Slots[3].PlateTop, 684 - 16);  // 6 o'clock with 32-pixel icons
  // The saved file asked for auto-start, so the entry is written again with this program.
  EXPECT_GT(registry.writes, 0);
}

TEST_F(IniParamTest, LoadedGroupsTitleFollowsTheirMembers) {
  Init(1366, 768);
  auto& groups = state.tables.Groups;
  state.tables.Shortcuts[12].Title = "Tools (Empty)";
  groups[12].Members[1] = 300;
  groups[12].Members[2] = 301;
  groups[12].Members[3] = 302;
  groups[12].MemberCount = 3;
  state.tables.Shortcuts[13].Title = "Single (Empty)";
  groups[13].Members[1] = 303;
  groups[13].MemberCount = 1;
  SaveConfiguration(state, platform);

  state = AppState{};
  state.paths = InitPaths(folders, system);
  Init(1366, 768);
  EXPECT_EQ(state.tables.Shortcuts[12].Title.Get(), "Tools");
  EXPECT_EQ(state.tables.Shortcuts[13].Title.Get(), "Single (Empty)");
}

TEST_F(IniParamTest, ReloadCanResetTheMenuAndRebuildMissingPictures) {
  Init(1366, 768);
  state.tables.Shortcuts[130].Title = "saved";
  state.tables.Shortcuts[130].IconFile = " " + state.paths.IconStore + "1.png ";
  state.tables.Shortcuts[131].IconFile = state.paths.IconStore + "gone.png";
  test::WriteText(state.paths.IconStore + "1.png", "png");
  SaveConfiguration(state, platform);

  std::vector<int> refreshed;
  ReloadTables(state, {false, false, true}, platform, test::ScreenOf(1366, 768), pictures,
               [&](int r) { refreshed.push_back(r); });
  EXPECT_EQ(state.tables.Shortcuts[130].Title.Get(), "saved");
  EXPECT_EQ(state.tables.Shortcuts[130].IconFile.Raw().substr(0, 1),
            state.paths.IconStore.substr(0, 1));  // trimmed
  EXPECT_EQ(std::count(refreshed.begin(), refreshed.end(), 131), 1);
  EXPECT_EQ(std::count(refreshed.begin(), refreshed.end(), 130), 0);
  EXPECT_EQ(std::count(refreshed.begin(), refreshed.end(), 3), 0);  // only 4..36 and 129..

  ReloadTables(state, {false, true, false}, platform, test::ScreenOf(1366, 768), pictures, nullptr);
  EXPECT_NE(state.tables.Shortcuts[130].Title.Get(), "saved");  // the default groups again
}

class MovedProgramTest : public ::testing::Test, protected test::StartupFixture {};

TEST_F(MovedProgramTest, ShippedPicturesAreFoundInTheRunningCopysFolder) {
  const auto screen = test::ScreenOf(1366, 768);
  IniParam(state, true, true, true, platform, screen, pictures);
  state.tables.Shortcuts[150].Kind = kKindMember;
  state.tables.Shortcuts[150].IconFile = "/old/place/SysIcons/Folder.png";
  state.tables.Shortcuts[151].IconFile = "/elsewhere/pictures/Folder.png";
  SaveConfiguration(state, platform);

  state.paths.SysIconsFolder = home / "SysIcons/";
  std::filesystem::create_directories(state.paths.SysIconsFolder);
  test::WriteText(state.paths.SysIconsFolder + "Folder.png", "png");
  IniParam(state, false, true, true, platform, screen, pictures);
  EXPECT_EQ(state.tables.Shortcuts[150].IconFile.Get(), home / "SysIcons/Folder.png");
  EXPECT_EQ(state.tables.Shortcuts[151].IconFile.Get(), "/elsewhere/pictures/Folder.png");
}

// More desktop entries than the record pool holds: the default groups are built, the rest are
// counted, and the user hears of them in one message, once.
TEST_F(IniParamTest, EntriesWithoutRoomAreToldOnceNotOneByOne) {
  std::filesystem::create_directories(home / "Desktop");
  for (int i = 0; i < 80; ++i) test::WriteText(home / ("Desktop/f" + std::to_string(i)), "x");
  state.paths.DesktopFolder = home / "Desktop/";
  for (int r = kFirstPoolRecord; r <= kLastRecord - 60; ++r) {
    state.tables.Shortcuts[static_cast<std::size_t>(r)].Kind = kKindMember;
  }
  Init(1366, 768, false, false);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.tables.Groups[3].MemberCount + state.DefaultEntriesLeftOut, 80);
  EXPECT_GT(state.tables.Groups[3].MemberCount, 0);
  EXPECT_GT(state.DefaultEntriesLeftOut, 0);
  EXPECT_EQ(state.tables.Groups[7].MemberCount, 13);  // the other groups built in full
  const int leftOut = state.DefaultEntriesLeftOut;
  TellLeftOutEntries(state, messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(std::to_string(leftOut) + " entries"), std::string::npos);
  TellLeftOutEntries(state, messages);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// The store only reports a failed save; the way out shows each failure in its own box.
TEST_F(IniParamTest, FailedSavesAreShownOneBoxEach) {
  Init(1366, 768);
  state.paths.SettingsFile = home / "gone/QAVCfg.cfg";
  state.paths.MenuFile = home / "gone/QAVMenu.cfg";
  SaveConfiguration(state, platform);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Writing configuration file failed! ");
  EXPECT_EQ(messages.shown[1].text, "Writing icon file failed! " + state.paths.MenuFile);
  for (const auto& shown : messages.shown) {
    EXPECT_EQ(shown.caption, "QAV Launcher");
    EXPECT_EQ(shown.icon, platform::MessageIcon::kExclamation);
    EXPECT_EQ(shown.buttons, platform::MessageButtons::kOk);
  }
}

}  // namespace
}  // namespace qav
