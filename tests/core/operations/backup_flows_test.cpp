// The six operations on the user's data as both the settings window and the command line run
// them: exact questions and messages, and no success reported for a failure.

#include "core/operations/backup_flows.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/operations/startup_fixture.h"
#include "core/store/menu_file.h"

namespace qav {
namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

struct FlowFixture : test::StartupFixture {
  FlowFixture() {
    state.settings.MaxRadius = 400;
    context.reloadAll = [this](const ReloadOptions& options) { reloads.push_back(options); };
    context.setBusy = [this](bool busy) { busyCalls.push_back(busy); };
  }
  const platform::MessageRequest& LastMessage() { return messages.shown.back(); }
  void WriteSettings() {
    ASSERT_TRUE(WriteSettingsFile(state.settings, state.tables.Shortcuts[kUserRecord],
                                  SettingsContext(state, platform))
                    .Ok());
  }

  BackupFlowContext context{state, platform, {}, {}, {}, {}};
  std::vector<ReloadOptions> reloads;
  std::vector<bool> busyCalls;
};

TEST(BackupFlows, ConfigurationBackupCopiesTheSavedSettingsAndReportsAFailedCopy) {
  FlowFixture f;
  f.state.settings.RingRadius = 333;
  const std::string target = f.home / "cfg.bak";
  ASSERT_TRUE(BackupConfiguration(target, f.context));
  EXPECT_EQ(test::ReadBytes(target), test::ReadBytes(f.state.paths.SettingsFile));
  EXPECT_EQ(test::ReadBytes(target).size(), kSettingsFileSize);
  EXPECT_EQ(f.LastMessage().text, "Backup Configuration File Successfully!");
  EXPECT_EQ(f.LastMessage().caption, "QAV Launcher");
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kNone);

  EXPECT_FALSE(BackupConfiguration(f.home / "missing-folder/cfg.bak", f.context));
  EXPECT_EQ(f.LastMessage().text, "Backup Configuration File failed! ");
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kExclamation);
}

TEST(BackupFlows, ConfigurationRestoreTakesOnlyAWholeSettingsFile) {
  FlowFixture f;
  f.WriteSettings();
  const auto current = test::ReadBytes(f.state.paths.SettingsFile);
  const std::string chosen = f.home / "chosen.bak";
  for (const std::size_t size : {std::size_t{0}, kSettingsFileSize - 1, kSettingsFileSize + 1}) {
    test::WriteBytes(chosen, std::vector<std::uint8_t>(size, 7));
    EXPECT_FALSE(RestoreConfiguration(chosen, f.context)) << size;
    EXPECT_EQ(f.LastMessage().text, "Restore Configuration failed! ");
    EXPECT_EQ(test::ReadBytes(f.state.paths.SettingsFile), current);
  }
  EXPECT_FALSE(RestoreConfiguration(f.home.path(), f.context));  // a folder
  EXPECT_TRUE(f.reloads.empty());

  Settings other;
  other.RingRadius = 250;
  other.MaxRadius = 400;
  const auto bytes = EncodeSettingsRecord(other.Record);
  test::WriteBytes(chosen, bytes);
  ASSERT_TRUE(RestoreConfiguration(chosen, f.context));
  EXPECT_EQ(test::ReadBytes(f.state.paths.SettingsFile), bytes);
  EXPECT_EQ(test::ReadBytes(f.state.paths.SettingsBackup()), bytes);
  ASSERT_EQ(f.reloads.size(), 1u);
  EXPECT_FALSE(f.reloads[0].resetSettings || f.reloads[0].resetMenu || f.reloads[0].checkPictures);
  EXPECT_EQ(f.LastMessage().text, "Restore Configuration Successfully!");
  // The busy pointer is gone before the message shows.
  EXPECT_EQ(f.busyCalls.back(), false);
}

TEST(BackupFlows, ShortcutsBackupAndRestoreTellTheOutcome) {
  FlowFixture f;
  int progress = 0;
  f.context.progress = [&](int, int) { ++progress; };
  test::WriteBytes(f.state.paths.IconStore + "9.png", {1, 2, 3});
  f.state.tables.Shortcuts[9].IconFile = f.state.paths.IconStore + "9.png";
  const std::string backup = f.home / "icons.bak";
  ASSERT_TRUE(BackupShortcutsAndIcons(backup, f.context));
  EXPECT_EQ(f.LastMessage().text, "Backup Shortcuts & Icons Successfully!");
  EXPECT_EQ(progress, 1);
  EXPECT_EQ(f.busyCalls, (std::vector<bool>{true, false}));

  EXPECT_FALSE(BackupShortcutsAndIcons(f.home / "nowhere/icons.bak", f.context));
  EXPECT_EQ(f.LastMessage().text, "Backup all shortcuts & icons failed! ");
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kExclamation);

  test::WriteText(f.home / "junk.bak", "not a backup");
  EXPECT_FALSE(RestoreShortcutsAndIcons(f.home / "junk.bak", f.context));
  EXPECT_EQ(f.LastMessage().text, "Restore all shortcuts & icons failed! ");
  EXPECT_TRUE(f.reloads.empty());

  progress = 0;
  f.state.settings.RingRadius = 211;  // changed since the last save: the reload keeps it
  ASSERT_TRUE(RestoreShortcutsAndIcons(backup, f.context));
  EXPECT_EQ(DecodeSettingsRecord(test::ReadBytes(f.state.paths.SettingsFile)).RingRadius, 211);
  EXPECT_EQ(progress, 1);
  ASSERT_EQ(f.reloads.size(), 1u);
  EXPECT_TRUE(f.reloads[0].checkPictures);
  EXPECT_EQ(f.LastMessage().text, "Restore Shortcuts & Icons Successfully!");
  EXPECT_TRUE(fs::exists(f.state.paths.MenuFile));
}

TEST(BackupFlows, TheQuestionsKeepTheirTextsAndNoIsTheDefaultBeforeAReset) {
  const auto replace = ReplaceQuestion();
  EXPECT_EQ(replace.text, "The target file already exists. Are you sure to replace?");
  EXPECT_EQ(replace.caption, "QAV Launcher");
  EXPECT_EQ(replace.icon, MessageIcon::kQuestion);
  EXPECT_EQ(replace.buttons, MessageButtons::kYesNo);
  EXPECT_FALSE(replace.defaultIsSecond);

  EXPECT_EQ(ResetSettingsQuestion().text,
            "WARNING: This procedure will reset all program settings to their default values but "
            "all currently used shortcuts and icons will be maintained intact. It is recommended "
            "to backup the configuration (Settings --> General tab --> Backup section) before "
            "proceeding.\r\n\r\nProceed anyway with resetting all default program settings?");
  EXPECT_TRUE(ResetSettingsQuestion().defaultIsSecond);
  EXPECT_EQ(ResetShortcutsQuestion().text,
            "WARNING: This procedure will reset all default shortcuts and icons to their default "
            "values but all currently used program settings will be maintained intact. It is "
            "recommended to backup all shortcuts and icons (Settings --> General tab --> Backup "
            "section) before proceeding.\r\n\r\nProceed anyway with resetting all default "
            "shortcuts and icons?");
  EXPECT_TRUE(ResetShortcutsQuestion().defaultIsSecond);
  EXPECT_EQ(ResetShortcutsQuestion().buttons, MessageButtons::kYesNo);
}

// The operations never ask: the window that offers them does, before calling them.
TEST(BackupFlows, ClearingATargetRemovesWhatIsThereWithoutAsking) {
  FlowFixture f;
  const std::string target = f.home / "old.bak";
  EXPECT_FALSE(TargetExists(target));
  EXPECT_TRUE(ClearTarget(target, f.messages));  // nothing there: nothing to do

  test::WriteText(target, "replace me");
  EXPECT_TRUE(TargetExists(target));
  EXPECT_TRUE(ClearTarget(target, f.messages));
  EXPECT_FALSE(fs::exists(target));
  EXPECT_TRUE(f.messages.shown.empty());

  // A folder with files in it is not removed: the user is told, and why goes to the caller.
  fs::create_directories(f.home / "full.bak/inside");
  std::string why;
  EXPECT_FALSE(ClearTarget(f.home / "full.bak", f.messages,
                           [&why](const std::string& reason) { why = reason; }));
  EXPECT_TRUE(fs::exists(f.home / "full.bak/inside"));
  EXPECT_EQ(f.LastMessage().text, "The target file cannot be replaced: " + (f.home / "full.bak"));
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kExclamation);
  EXPECT_FALSE(why.empty());
}

TEST(BackupFlows, ResetsAskNothingAndReportWithInformation) {
  FlowFixture f;
  test::WriteBytes(f.state.paths.IconStore + "5.png", {1});
  ASSERT_TRUE(ResetShortcutsAndIcons(f.context));
  EXPECT_FALSE(fs::exists(f.state.paths.IconStore + "5.png"));
  ASSERT_EQ(f.reloads.size(), 1u);
  EXPECT_TRUE(f.reloads[0].resetMenu);
  EXPECT_TRUE(fs::exists(f.state.paths.MenuFile));
  EXPECT_EQ(f.LastMessage().text, "Reset all default shortcuts & icons successfully!");
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kInformation);

  ASSERT_TRUE(ResetProgramSettings(f.context));
  EXPECT_TRUE(f.reloads[1].resetSettings);
  EXPECT_TRUE(fs::exists(f.state.paths.SettingsFile));
  EXPECT_EQ(f.LastMessage().text, "Reset all default program settings successfully!");
  EXPECT_EQ(f.LastMessage().icon, MessageIcon::kInformation);
}

}  // namespace
}  // namespace qav
