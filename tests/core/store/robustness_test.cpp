// Truncated, oversized, bit-flipped and random configuration files must never crash or read out
// of bounds (the suite runs under AddressSanitizer), and whatever loads must be usable.

#include <gtest/gtest.h>

#include <random>

#include "core/store/menu_file.h"
#include "core/store/settings_file.h"
#include "menu_image.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

void ExpectUsable(const Tables& t) {
  for (int g = 0; g < kGroupCount; ++g) {
    const GroupRecord& group = t.Groups[g];
    ASSERT_EQ(group.Members.size(), static_cast<std::size_t>(GroupCapacity(g)) + 1) << g;
    ASSERT_GE(group.MemberCount, 0) << g;
    ASSERT_LE(group.MemberCount, GroupCapacity(g)) << g;
    for (int i = 0; i <= group.MemberCount; ++i) {
      ASSERT_GE(group.Members[i], 0);
      ASSERT_LE(group.Members[i], kLastRecord);
    }
  }
  ASSERT_EQ(t.Shortcuts.size(), static_cast<std::size_t>(kRecordCount));
}

std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> image, std::mt19937& random) {
  switch (random() % 4) {
    case 0:  // cut anywhere, including inside the group headers
      image.resize(random() % (image.size() + 1));
      break;
    case 1:  // flip bytes in the group area, where counts and bounds live
      for (int i = 0; i < 8; ++i)
        image[random() % test::kRecordsOffset] ^= static_cast<std::uint8_t>(random());
      break;
    case 2:  // oversized: junk after a whole file
      image.resize(image.size() + random() % 5000, 0xAB);
      break;
    default: {  // pure noise of random length
      image.assign(random() % 20000, 0);
      for (auto& b : image) b = static_cast<std::uint8_t>(random());
    }
  }
  return image;
}

TEST(Robustness, MangledMenuFilesNeverCrashAndLoadOnlyUsableTables) {
  test::TempDir dir;
  test::RealFiles files;
  const MenuFileContext context{dir / "QAVMenu.cfg", files};
  Tables good = MakeTables();
  for (int g = 0; g < kGroupCount; ++g) good.Groups[g].Members[0] = g;
  good.Groups[3].Members[1] = 200;
  good.Groups[3].MemberCount = 1;
  const auto image = EncodeMenuImage(good);
  std::mt19937 random(2026);
  for (int round = 0; round < 120; ++round) {
    test::WriteBytes(context.menuFile, Mutate(image, random));
    if (round % 3 == 0) test::WriteBytes(context.menuFile + ".bak", Mutate(image, random));
    Tables tables = MakeTables();
    (void)LoadMenuFile(tables, context);
    ExpectUsable(tables);
  }
}

TEST(Robustness, SettingsFilesOfAnyLengthAndContentStayInRange) {
  test::TempDir dir;
  test::RealFiles files;
  ScreenInfo info;
  info.fullScreenWidth = 1024;
  info.fullScreenHeight = 600;
  const ScreenMetrics screen = ComputeScreenMetrics(info);
  const SettingsFileContext context{dir / "QAVCfg.cfg", dir / "u.ico", screen, files,
                                    [](bool on) { return on; }};
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::uint8_t> bytes(random() % 700);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    test::WriteBytes(context.settingsFile, bytes);
    Settings s;
    s.MaxRadius = 220;
    s.RingRadius = 220;
    ShortcutRecord user;
    (void)ReadSettingsFile(s, user, context);
    ASSERT_GE(s.NormalIconSize, 16);
    ASSERT_LE(s.MagnifiedIconSize, 128);
    ASSERT_GE(s.MagnifiedIconSize, s.NormalIconSize);
    ASSERT_LE(s.RingRadius, 220);
    ASSERT_TRUE(s.IconCount >= 8 && s.IconCount <= 36 && s.IconCount % 4 == 0);
    ASSERT_TRUE(s.Record.SparePositionIndex >= 0 && s.Record.SparePositionIndex <= 8);
  }
}

}  // namespace
}  // namespace qav
