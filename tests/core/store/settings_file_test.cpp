#include "core/store/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

ScreenMetrics Screen768() {
  ScreenInfo info;
  info.fullScreenWidth = 1366;
  info.fullScreenHeight = 768;
  return ComputeScreenMetrics(info);
}

// Defaults as start-up sets them on a 1366x768 screen.
Settings Defaults() {
  Settings s;
  s.MaxRadius = 304;
  s.RingRadius = 300;
  s.TintSetting.alpha = 192;
  s.TintColour = s.TintSetting;
  return s;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileContext Context() {
    return {dir / "QAVCfg.cfg", dir / "User Icon.ico", screen, files, [this](bool enable) {
              autoRunCalls.push_back(enable);
              return autoRunAnswer;
            }};
  }
  bool Read() { return ReadSettingsFile(settings, user, Context()).Ok(); }
  void Store(const SettingsRecord& record) {
    test::WriteBytes(dir / "QAVCfg.cfg", EncodeSettingsRecord(record));
  }

  test::TempDir dir;
  ScreenMetrics screen = Screen768();
  test::RealFiles files;
  Settings settings = Defaults();
  ShortcutRecord user;
  std::vector<bool> autoRunCalls;
  bool autoRunAnswer = true;
};

TEST_F(SettingsFileTest, RecordLayoutIsByteExact) {
  SettingsRecord r;
  r.NormalSize = 0x01020304;
  r.CentreSize = 128;
  r.MagnifiedSize = 64;
  r.RingRadius = 300;
  r.IconCountIndex = 4;
  r.Tint = {1, 2, 3, 192};
  r.Reserved = 0x0A0B;
  r.AutoRun = kVbTrue;
  r.UserPicture = "/p.png";
  r.SpareText = "spare";
  r.SpareCounter = 7;
  r.SpareX = 8;
  r.SpareY = 9;
  r.SparePositionIndex = 5;
  r.DraggingLocked = kVbTrue;
  r.StartedPage = -1;
  r.HideDesktopIcons = 1;
  r.AutoHide = 2;
  r.HideShortcutLetters = 3;
  r.MinimizedPosition = 8;
  r.ClearType = 1;
  r.SpareByte = 0xEE;
  const auto b = EncodeSettingsRecord(r);
  ASSERT_EQ(b.size(), 564u);
  auto at = [&](std::size_t offset, std::size_t count) {
    return std::vector<std::uint8_t>(b.begin() + static_cast<long>(offset),
                                     b.begin() + static_cast<long>(offset + count));
  };
  EXPECT_EQ(at(0, 4), (std::vector<std::uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(at(16, 8), (std::vector<std::uint8_t>{4, 0, 0, 0, 1, 2, 3, 192}));
  EXPECT_EQ(at(24, 4), (std::vector<std::uint8_t>{0x0B, 0x0A, 0xFF, 0xFF}));
  EXPECT_EQ(at(28, 7), (std::vector<std::uint8_t>{'/', 'p', '.', 'p', 'n', 'g', ' '}));
  EXPECT_EQ(b[282], ' ');
  EXPECT_EQ(at(283, 5), (std::vector<std::uint8_t>{'s', 'p', 'a', 'r', 'e'}));
  EXPECT_EQ(at(538, 16),
            (std::vector<std::uint8_t>{7, 0, 0, 0, 8, 0, 0, 0, 9, 0, 0, 0, 5, 0, 0, 0}));
  EXPECT_EQ(at(554, 10), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 8, 1, 0xEE}));
  EXPECT_EQ(DecodeSettingsRecord(b), r);
}

TEST_F(SettingsFileTest, SaveWritesBothCopiesAndReadsBack) {
  settings.NormalIconSize = 56;
  settings.MagnifiedIconSize = 100;
  settings.RingRadius = 250;
  settings.IconCount = 36;
  settings.TintSetting.alpha = 0;
  settings.AutoRun = false;
  settings.Record.MinimizedPosition = 6;
  user.IconFile = "/pics/me.png";
  ASSERT_TRUE(WriteSettingsFile(settings, user, Context()).Ok());
  const auto main = test::ReadBytes(dir / "QAVCfg.cfg");
  EXPECT_EQ(main.size(), 564u);
  EXPECT_EQ(test::ReadBytes(dir / "QAVCfg.cfg.bak"), main);
  EXPECT_EQ(DecodeSettingsRecord(main).UserPicture.Get(), "/pics/me.png");

  settings = Defaults();
  ASSERT_TRUE(Read());
  EXPECT_EQ(settings.NormalIconSize, 56);
  EXPECT_EQ(settings.MagnifiedIconSize, 100);
  EXPECT_EQ(settings.RingRadius, 250);
  EXPECT_EQ(settings.IconCount, 36);
  EXPECT_EQ(settings.TintColour.alpha, 0);  // fully transparent tint is kept
  EXPECT_FALSE(settings.AutoRun);
  EXPECT_TRUE(autoRunCalls.empty());
  EXPECT_EQ(settings.Record.MinimizedPosition, 6);
}

TEST_F(SettingsFileTest, OutOfRangeValuesFallBackToDefaults) {
  SettingsRecord r;
  r.NormalSize = 15;
  r.MagnifiedSize = 40;
  r.RingRadius = 150;
  r.IconCountIndex = 9;
  r.SpareX = -5;
  r.SpareY = 999999;
  r.SparePositionIndex = 12;
  Store(r);
  ASSERT_TRUE(Read());
  EXPECT_EQ(settings.NormalIconSize, 48);
  EXPECT_EQ(settings.MagnifiedIconSize, 64);
  EXPECT_EQ(settings.RingRadius, 300);
  EXPECT_EQ(settings.Record.RingRadius, 300);
  EXPECT_EQ(settings.IconCount, 20);  // an impossible index means 20 icons, not the default 24
  EXPECT_EQ(settings.Record.IconCountIndex, 3);
  EXPECT_EQ(settings.Record.SpareX, 0);
  EXPECT_EQ(settings.Record.SpareY, 768 * 15 - 1035);
  EXPECT_EQ(settings.Record.SparePositionIndex, 0);

  r.NormalSize = 120;
  r.MagnifiedSize = 130;
  r.SpareX = 0;
  r.SpareY = 0;  // both zero: back to the default place
  Store(r);
  settings = Defaults();
  Read();
  EXPECT_EQ(settings.NormalIconSize, 120);
  EXPECT_EQ(settings.MagnifiedIconSize, 128);
  EXPECT_EQ(settings.Record.SpareX, (1366 * 15 - 6240) / 2);
}

TEST_F(SettingsFileTest, AutoRunIsRegisteredAgainAndKeptOnlyIfItTook) {
  SettingsRecord r;
  r.AutoRun = kVbTrue;
  Store(r);
  autoRunAnswer = false;
  Read();
  EXPECT_EQ(autoRunCalls, std::vector<bool>{true});
  EXPECT_FALSE(settings.AutoRun);
}

TEST_F(SettingsFileTest, UserPictureComesFromTheIconStoreNotTheFile) {
  SettingsRecord r;
  r.UserPicture = "/elsewhere/me.png";
  Store(r);
  user.IconFile = "stale";
  Read();
  EXPECT_EQ(user.IconFile.Get(), "");
  test::WriteText(dir / "User Icon.ico", "icon");
  Read();
  EXPECT_EQ(user.IconFile.Get(), dir / "User Icon.ico");
}

TEST_F(SettingsFileTest, OnlyTheTwinIsRestoredAndRead) {
  settings.AutoRun = false;
  EXPECT_EQ(ReadSettingsFile(settings, user, Context()).Error(),
            "cannot read " + (dir / "QAVCfg.cfg") + " nor its backup copy");
  EXPECT_TRUE(settings.AutoRun);  // a first start registers the program to start with the session

  SettingsRecord r;
  r.NormalSize = 40;
  test::WriteBytes(dir / "QAVCfg.cfg.bak", EncodeSettingsRecord(r));
  EXPECT_TRUE(Read());
  EXPECT_EQ(settings.NormalIconSize, 40);
  EXPECT_EQ(test::ReadBytes(dir / "QAVCfg.cfg"), EncodeSettingsRecord(r));
}

TEST_F(SettingsFileTest, ShortFileGivesWayToAWholeTwin) {
  SettingsRecord r;
  r.NormalSize = 40;
  r.IconCountIndex = 7;
  auto whole = EncodeSettingsRecord(r);
  test::WriteBytes(dir / "QAVCfg.cfg.bak", whole);
  whole.resize(10);  // an interrupted copy: the icon count is missing
  test::WriteBytes(dir / "QAVCfg.cfg", whole);
  Read();
  EXPECT_EQ(settings.IconCount, 36);

  // Without a whole twin the short file is read as it is: missing bytes are zero.
  std::filesystem::remove(dir / "QAVCfg.cfg.bak");
  test::WriteBytes(dir / "QAVCfg.cfg", whole);
  settings = Defaults();
  Read();
  EXPECT_EQ(settings.NormalIconSize, 40);
  EXPECT_EQ(settings.IconCount, 8);
}

}  // namespace
}  // namespace qav
