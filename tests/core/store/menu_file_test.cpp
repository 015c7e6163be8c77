#include "core/store/menu_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "menu_image.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

using test::GroupOffset;
using test::RecordOffset;

// A table with something in every kind of place.
Tables SampleTables() {
  Tables t = MakeTables();
  for (int g = 0; g < kGroupCount; ++g) t.Groups[g].Members[0] = g;
  t.Groups[3].Members[1] = 129;
  t.Groups[3].Members[2] = 1024;
  t.Groups[3].MemberCount = 2;
  t.Groups[36].Members[36] = 500;
  t.Groups[36].MemberCount = 36;
  ShortcutRecord& r = t.Shortcuts[129];
  r.Kind = kKindMember;
  r.IconSource = 1;
  r.IsBuiltIn = kVbTrue;
  r.CommandId = 0x11223344;
  r.ImageRow = 129;
  r.Path = "/usr/bin/vim";
  r.Title = "Vim \xC3\xA9";
  r.CustomIcon = "/c.png";
  r.IconFile = "/i.png";
  r.Target = "/usr/bin/vim";
  r.Arguments = "-p";
  r.RunStyle = 2;
  t.Shortcuts[70].Title = "Saved title";
  t.Shortcuts[70].CustomIcon = "/mine.png";
  t.Shortcuts[20].Kind = kKindFree;
  t.Shortcuts[1024].Title = "last";
  return t;
}

class MenuFileTest : public ::testing::Test {
 protected:
  MenuFileContext Context() { return {dir / "QAVMenu.cfg", files}; }
  Result Load() { return LoadMenuFile(tables, Context()); }
  void Store(const std::vector<std::uint8_t>& image) {
    test::WriteBytes(dir / "QAVMenu.cfg", image);
  }

  test::TempDir dir;
  test::RealFiles files;
  Tables tables = MakeTables();
};

TEST_F(MenuFileTest, LayoutIsByteExact) {
  const Tables t = SampleTables();
  const auto image = EncodeMenuImage(t);
  ASSERT_EQ(image.size(), 1338885u);
  ASSERT_EQ(test::kRecordsOffset, 9460u);
  // Group 3: one dimension, 1025 elements from 0, then the members and the count.
  EXPECT_EQ(image[0], 1);
  EXPECT_EQ(image[1], 0);
  EXPECT_EQ(test::GetI32(image, 2), 1025);
  EXPECT_EQ(test::GetI32(image, 6), 0);
  EXPECT_EQ(test::GetI32(image, 10), 3);
  EXPECT_EQ(test::GetI32(image, 14), 129);
  EXPECT_EQ(test::GetI32(image, 18), 1024);
  EXPECT_EQ(test::GetI32(image, 10 + 1025 * 4), 2);
  // Group 36, the last one, right before record 0.
  EXPECT_EQ(test::GetI32(image, GroupOffset(36) + 2), 37);
  EXPECT_EQ(test::GetI32(image, GroupOffset(36) + 10 + 36 * 4), 500);
  EXPECT_EQ(test::GetI32(image, GroupOffset(36) + 10 + 37 * 4), 36);
  // Record 129, field by field.
  const std::size_t r = RecordOffset(129);
  EXPECT_EQ(test::GetI32(image, r), kKindMember);
  EXPECT_EQ(image[r + 4], 1);
  EXPECT_EQ(image[r + 5], 0xFF);
  EXPECT_EQ(image[r + 6], 0xFF);
  EXPECT_EQ(test::GetI32(image, r + 7), 0x11223344);
  EXPECT_EQ(test::GetI32(image, r + 13), 129);
  auto text = [&](std::size_t offset, std::size_t size) {
    return std::string(image.begin() + static_cast<long>(r + offset),
                       image.begin() + static_cast<long>(r + offset + size));
  };
  EXPECT_EQ(text(17, 13), "/usr/bin/vim ");
  EXPECT_EQ(text(272, 7), "Vim \xC3\xA9 ");
  EXPECT_EQ(text(400, 6), "/c.png");
  EXPECT_EQ(text(655, 6), "/i.png");
  EXPECT_EQ(text(910, 12), "/usr/bin/vim");
  EXPECT_EQ(text(1165, 3), "-p ");
  EXPECT_EQ(test::GetI32(image, r + 1293), 2);
  // A record never assigned holds NULs in its texts.
  EXPECT_EQ(text(1297 + 17, 4), std::string(4, '\0'));

  const MenuImage decoded = DecodeMenuImage(image);
  EXPECT_EQ(decoded.status, ImageStatus::kWhole);
  EXPECT_EQ(decoded.tables.Shortcuts, t.Shortcuts);
  for (int g = 3; g < kGroupCount; ++g) EXPECT_EQ(decoded.tables.Groups[g], t.Groups[g]) << g;
}

TEST_F(MenuFileTest, SaveWritesBothCopiesAndLoadKeepsTheCatalogsOwnRecords) {
  ASSERT_TRUE(WriteMenuFile(SampleTables(), Context()).Ok());
  EXPECT_EQ(test::ReadBytes(dir / "QAVMenu.cfg.bak"), test::ReadBytes(dir / "QAVMenu.cfg"));

  tables.Shortcuts[70].Title = "Catalog title";
  tables.Shortcuts[70].Kind = kKindBuiltIn;
  ASSERT_TRUE(Load());
  EXPECT_EQ(tables.Shortcuts[70].Title.Get(), "Catalog title");
  EXPECT_EQ(tables.Shortcuts[70].Kind, kKindBuiltIn);
  EXPECT_EQ(tables.Shortcuts[70].CustomIcon.Get(), "/mine.png");
  EXPECT_EQ(tables.Shortcuts[20].Kind, kKindBlank);  // a free dock place is blank
  EXPECT_EQ(tables.Shortcuts[40].Kind, kKindFree);   // but a free template place is not
  EXPECT_EQ(tables.Shortcuts[129].Title.Get(), "Vim \xC3\xA9");
  EXPECT_EQ(tables.Shortcuts[1024].Title.Get(), "last");
  EXPECT_EQ(tables.Groups[36].MemberCount, 36);
}

TEST_F(MenuFileTest, NoFileChangesNothingAndATwinAloneIsRestored) {
  tables.Shortcuts[5].Title = "untouched";
  EXPECT_EQ(Load().Error(), "cannot read " + (dir / "QAVMenu.cfg") + " nor its backup copy");
  EXPECT_EQ(tables.Shortcuts[5].Title.Get(), "untouched");

  const auto image = EncodeMenuImage(SampleTables());
  test::WriteBytes(dir / "QAVMenu.cfg.bak", image);
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Groups[3].MemberCount, 2);
  EXPECT_EQ(test::ReadBytes(dir / "QAVMenu.cfg"), image);
}

TEST_F(MenuFileTest, ImpossibleCountsMakeTheFileUnreadableAndChangeNothing) {
  const auto good = EncodeMenuImage(SampleTables());
  struct Poke {
    const char* what;
    std::size_t offset;
    std::int32_t value;
  };
  const Poke pokes[] = {
      {"group 3 longer than its capacity", 2, 2000},
      {"group 3 with a negative element count", 2, -1},
      {"a lower bound other than 0", GroupOffset(9) + 6, 1},
      {"more members than places", GroupOffset(5) + 10 + 37 * 4, 37},
      {"a negative member count", GroupOffset(5) + 10 + 37 * 4, -3},
      {"a member past the last record", 14, 1025},
      {"a negative member", 18, -1},
      {"two dimensions", GroupOffset(4), 2},
      {"a group that does not start with its own number", GroupOffset(6) + 10, 0},
      {"an array that was never sized", GroupOffset(7), 0},
  };
  for (const Poke& poke : pokes) {
    auto image = good;
    if (poke.offset == GroupOffset(4) || poke.offset == GroupOffset(7)) {
      image[poke.offset] = static_cast<std::uint8_t>(poke.value);
    } else {
      test::PutI32(image, poke.offset, poke.value);
    }
    Store(image);
    std::filesystem::remove(dir / "QAVMenu.cfg.bak");
    tables = MakeTables();
    tables.Shortcuts[129].Title = "before";
    EXPECT_EQ(Load().Error(), (dir / "QAVMenu.cfg") + " is not a menu file of this program")
        << poke.what;
    EXPECT_EQ(tables.Shortcuts[129].Title.Get(), "before") << poke.what;
    // The unreadable file is set aside, not lost.
    EXPECT_EQ(test::ReadBytes(dir / "QAVMenu.cfg.damaged"), image) << poke.what;
  }
}

TEST_F(MenuFileTest, DamagedOrShortFileGivesWayToAWholeTwin) {
  const auto good = EncodeMenuImage(SampleTables());
  test::WriteBytes(dir / "QAVMenu.cfg.bak", good);
  auto damaged = good;
  test::PutI32(damaged, 2, 99999);
  Store(damaged);
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Shortcuts[129].Path.Get(), "/usr/bin/vim");

  Store(std::vector<std::uint8_t>(good.begin(), good.begin() + 500000));
  tables = MakeTables();
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Shortcuts[1024].Title.Get(), "last");
}

TEST_F(MenuFileTest, AllZeroFileIsNoMenuAndNeverCostsTheTwinItsItems) {
  const std::vector<std::uint8_t> zeros(kStandardMenuFileSize, 0);
  Store(zeros);
  EXPECT_FALSE(Load());
  EXPECT_EQ(test::ReadBytes(dir / "QAVMenu.cfg.damaged"), zeros);

  Store(zeros);
  test::WriteBytes(dir / "QAVMenu.cfg.bak", EncodeMenuImage(SampleTables()));
  tables = MakeTables();
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Shortcuts[129].Path.Get(), "/usr/bin/vim");
  // The save at exit writes what was loaded, so both copies keep the user's items.
  ASSERT_TRUE(WriteMenuFile(tables, Context()).Ok());
  for (const char* copy : {"QAVMenu.cfg", "QAVMenu.cfg.bak"}) {
    tables = MakeTables();
    ASSERT_TRUE(LoadMenuFile(tables, {dir / copy, files})) << copy;
    EXPECT_EQ(tables.Shortcuts[129].Path.Get(), "/usr/bin/vim") << copy;
  }
}

#ifndef _WIN32
// A FIFO would block the start for good, a device or a huge sparse file would be read without
// end; none of them is a menu, and the twin stands in.
TEST_F(MenuFileTest, OnlyRegularFilesAreReadAndNothingBlocks) {
  const auto good = EncodeMenuImage(SampleTables());
  const std::string menu = dir / "QAVMenu.cfg";
  const std::vector<std::function<void()>> makers = {
      [&] { ASSERT_EQ(::mkfifo(menu.c_str(), 0600), 0); },
      [&] { std::filesystem::create_symlink("/dev/zero", menu); },
      [&] {
        test::WriteBytes(menu, {});
        std::filesystem::resize_file(menu, std::uintmax_t{2} << 30);
      },
  };
  for (std::size_t i = 0; i < makers.size(); ++i) {
    std::filesystem::remove(menu);
    makers[i]();
    test::WriteBytes(dir / "QAVMenu.cfg.bak", good);
    tables = MakeTables();
    EXPECT_TRUE(Load()) << i;
    EXPECT_EQ(tables.Shortcuts[129].Path.Get(), "/usr/bin/vim") << i;
  }
  std::filesystem::remove(menu);
  ASSERT_EQ(::mkfifo(menu.c_str(), 0600), 0);
  std::filesystem::remove(dir / "QAVMenu.cfg.bak");
  EXPECT_FALSE(Load());
}
#endif

TEST_F(MenuFileTest, ShortFileAloneLoadsWhatIsThere) {
  const auto good = EncodeMenuImage(SampleTables());
  Store(
      std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(RecordOffset(130))));
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Shortcuts[129].Title.Get(), "Vim \xC3\xA9");
  EXPECT_EQ(tables.Shortcuts[1024].Kind, kKindFree);
  EXPECT_EQ(tables.Shortcuts[1024].Title.Get(), "");
}

TEST_F(MenuFileTest, SmallerMemberListsAreWidenedToTheirCapacity) {
  // A group written with only 5 places: the rest of the file moves up by 32 elements.
  Tables t = SampleTables();
  t.Groups[10].Members.resize(5);
  t.Groups[10].Members[4] = 300;
  t.Groups[10].MemberCount = 4;
  const auto image = EncodeMenuImage(t);
  EXPECT_EQ(image.size(), 1338885u - 32 * 4);
  Store(image);
  EXPECT_TRUE(Load());
  EXPECT_EQ(tables.Groups[10].Members.size(), 37u);
  EXPECT_EQ(tables.Groups[10].Members[4], 300);
  EXPECT_EQ(tables.Shortcuts[1024].Title.Get(), "last");
}

}  // namespace
}  // namespace qav
