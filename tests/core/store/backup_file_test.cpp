// The shortcuts-and-icons backup: its exact bytes, and restores that must either succeed whole or
// leave the user's menu and pictures as they were.

#include "core/store/backup_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "base/utf8_path.h"
#include "core/store/menu_file.h"
#include "platform/temporary_names.h"
#include "support/intercepted_file_ops.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::WriteBytes;

Bytes Of(const std::string& text) {
  return {text.begin(), text.end()};
}

// Byte by byte: GCC 12 at -O3 warns falsely about a range insert into a full four-byte vector.
void Append(Bytes& out, const Bytes& more) {
  for (const std::uint8_t byte : more) out.push_back(byte);
}

Bytes Block(const Bytes& picture) {
  const auto n = static_cast<std::uint32_t>(picture.size());
  Bytes out = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
               static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
  Append(out, picture);
  return out;
}

const Bytes kTrailer = {0x2F, 0x45, 0x4E, 0x44, 0x00};

// A machine's data: shipped pictures, an icon store and the menu file, all in one temp folder.
struct Machine {
  explicit Machine(const std::string& name) {
    sysIcons = root / (name + "-app/SysIcons/");
    store = root / (name + "-data/QavIcons/");
    menuFile = root / (name + "-data/QAVMenu.cfg");
    fs::create_directories(sysIcons);
    fs::create_directories(store);
    WriteBytes(sysIcons + "Folder.png", Of("shipped"));
  }
  RestoreTarget Target() { return {menuFile, store, sysIcons, files}; }
  ShortcutRecord& Record(int r) { return tables.Shortcuts[static_cast<std::size_t>(r)]; }

  test::TempDir root;
  std::string sysIcons;
  std::string store;
  std::string menuFile;
  Tables tables = MakeTables();
  test::RealFiles files;
};

TEST(BackupFile, OnlyShippedPicturesGiveTheRecordsAndTheTrailer) {
  Machine m("a");
  m.Record(4).IconFile = m.sysIcons + "Folder.png";
  m.Record(70).CustomIcon = m.sysIcons + "Folder.png";
  const std::string backup = m.root / "icons.bak";
  ASSERT_TRUE(WriteBackupFile(m.files, backup, m.tables, m.sysIcons).Ok());

  Bytes expected = EncodeMenuImage(m.tables);
  ASSERT_EQ(expected.size(), kStandardMenuFileSize);
  Append(expected, kTrailer);
  EXPECT_EQ(ReadBytes(backup), expected);
}

TEST(BackupFile, OwnAndCustomPicturesFollowInRecordOrderIconBeforeCustom) {
  Machine m("a");
  WriteBytes(m.store + "10.png", Of("AAAA"));
  WriteBytes(m.store + "5.png", Of("C"));
  WriteBytes(m.root / "custom.png", Of("BB"));
  WriteBytes(m.root / "empty.png", {});
  m.Record(10).IconFile = m.store + "10.png";
  m.Record(10).CustomIcon = m.root / "custom.png";
  m.Record(5).IconFile = m.store + "5.png";
  m.Record(5).CustomIcon = m.sysIcons + "Folder.png";  // shipped: no block
  m.Record(300).CustomIcon = m.root / "empty.png";
  int calls = 0;
  const std::string backup = m.root / "icons.bak";
  ASSERT_TRUE(WriteBackupFile(m.files, backup, m.tables, m.sysIcons, [&](int, int total) {
                calls += total;
              }).Ok());

  Bytes expected = EncodeMenuImage(m.tables);
  Append(expected, Block(Of("C")));
  Append(expected, Block(Of("AAAA")));
  Append(expected, Block(Of("BB")));
  Append(expected, Block({}));
  Append(expected, kTrailer);
  EXPECT_EQ(ReadBytes(backup), expected);
  EXPECT_EQ(calls, 4 * 4);
}

TEST(BackupFile, AMissingPictureIsWrittenAsAnEmptyPathWithoutABlock) {
  Machine m("a");
  m.Record(7).IconFile = m.store + "gone.png";
  m.Record(8).IconFile = m.store;  // a folder is no picture either
  const std::string backup = m.root / "icons.bak";
  ASSERT_TRUE(WriteBackupFile(m.files, backup, m.tables, m.sysIcons).Ok());

  const Bytes bytes = ReadBytes(backup);
  ASSERT_EQ(bytes.size(), kStandardMenuFileSize + kTrailer.size());
  const MenuImage image = DecodeMenuImage(bytes);
  EXPECT_EQ(image.tables.Shortcuts[7].IconFile.Get(), "");
  EXPECT_EQ(image.tables.Shortcuts[8].IconFile.Get(), "");
  // The running tables keep what they had.
  EXPECT_EQ(m.Record(7).IconFile.Get(), m.store + "gone.png");
}

TEST(BackupFile, AnUnwritableTargetFailsAndLeavesNothing) {
  Machine m("a");
  const std::string backup = m.root / "no-such-folder/icons.bak";
  const Result outcome = WriteBackupFile(m.files, backup, m.tables, m.sysIcons);
  EXPECT_FALSE(outcome.Ok());
  EXPECT_FALSE(outcome.Error().empty());
  EXPECT_FALSE(fs::exists(backup));
}

// A backup that fails at its write or at its rename leaves the earlier backup whole.
TEST(BackupFile, AFailedWriteOrRenameKeepsTheEarlierBackup) {
  Machine m("a");
  const std::string backup = m.root / "icons.bak";
  WriteBytes(backup, Of("earlier backup"));
  auto names = [&] {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(m.root.path())) {
      found.insert(platform::Utf8FromPath(entry.path()));
    }
    return found;
  };
  const std::set<std::string> before = names();
  for (int failing : {1, 2}) {
    test::InterceptedFileOps files(
        [&](int call, const std::string&, auto, bool) { return call != failing; });
    const Result outcome = WriteBackupFile(files, backup, m.tables, m.sysIcons);
    EXPECT_FALSE(outcome.Ok()) << failing;
    EXPECT_EQ(outcome.Error(), "cannot write " + backup);
    EXPECT_EQ(ReadBytes(backup), Of("earlier backup")) << failing;
    EXPECT_EQ(names(), before) << "no temporary copy is left";
  }
}

// A backup made on machine A, with pictures in A's store and elsewhere.
struct RestoreFixture : ::testing::Test {
  RestoreFixture() {
    WriteBytes(a.store + "12.png", Of("twelve"));
    fs::create_directories(a.root / "pics");
    WriteBytes(a.root / "pics/custom.png", Of("custom"));
    a.Record(12).Title = "Editor";
    a.Record(12).IconFile = a.store + "12.png";
    a.Record(12).CustomIcon = a.root / "pics/custom.png";
    a.Record(13).IconFile = a.sysIcons + "Folder.png";
    EXPECT_TRUE(WriteBackupFile(a.files, backup, a.tables, a.sysIcons).Ok());

    // Machine B already has a menu and pictures of its own.
    b.Record(20).Title = "Old";
    b.Record(20).IconFile = b.store + "20.png";
    WriteBytes(b.store + "20.png", Of("old twenty"));
    WriteBytes(b.store + "12.png", Of("old twelve"));
    WriteBytes(b.store + "User Icon.ico", Of("user"));
    EXPECT_TRUE(SaveWithTwin(b.files, b.menuFile, EncodeMenuImage(b.tables)));
    menuBefore = ReadBytes(b.menuFile);
  }

  // B's menu file and store are exactly as before the restore.
  void ExpectUntouched() {
    EXPECT_EQ(ReadBytes(b.menuFile), menuBefore);
    EXPECT_EQ(ReadBytes(b.store + "20.png"), Of("old twenty"));
    EXPECT_EQ(ReadBytes(b.store + "12.png"), Of("old twelve"));
    for (const auto& entry : fs::directory_iterator(b.store)) {
      EXPECT_FALSE(platform::IsTemporaryName(entry.path().filename().string())) << entry.path();
    }
  }

  Machine a{"a"};
  Machine b{"b"};
  std::string backup = a.root / "icons.bak";
  Bytes menuBefore;
};

TEST_F(RestoreFixture, PicturesOfAnotherDataFolderLandInThisStoreUnderTheirNames) {
  const Result outcome = RestoreBackupFile(backup, b.Target());
  ASSERT_TRUE(outcome.Ok()) << outcome.Error();

  const MenuImage menu = DecodeMenuImage(ReadBytes(b.menuFile));
  ASSERT_EQ(menu.status, ImageStatus::kWhole);
  EXPECT_EQ(menu.tables.Shortcuts[12].Title.Get(), "Editor");
  EXPECT_EQ(menu.tables.Shortcuts[12].IconFile.Get(), b.store + "12.png");
  EXPECT_EQ(menu.tables.Shortcuts[12].CustomIcon.Get(), b.store + "custom.png");
  EXPECT_EQ(menu.tables.Shortcuts[13].IconFile.Get(), a.sysIcons + "Folder.png");
  EXPECT_EQ(ReadBytes(b.store + "12.png"), Of("twelve"));
  EXPECT_EQ(ReadBytes(b.store + "custom.png"), Of("custom"));
  EXPECT_EQ(ReadBytes(b.menuFile + ".bak"), ReadBytes(b.menuFile));
  // Pictures the restored menu does not name are gone; the user's own picture stays.
  EXPECT_FALSE(fs::exists(b.store + "20.png"));
  EXPECT_TRUE(fs::exists(b.store + "User Icon.ico"));
  // Nothing was written where the backup's paths pointed.
  EXPECT_EQ(ReadBytes(a.root / "pics/custom.png"), Of("custom"));
}

TEST_F(RestoreFixture, TruncatedOrLyingBackupsChangeNothing) {
  const Bytes whole = ReadBytes(backup);
  const std::size_t records = kStandardMenuFileSize;
  const std::string bad = a.root / "bad.bak";
  // Cut inside the records, inside a block header, inside a block's bytes.
  for (const std::size_t cut : {records / 2, records + 2, records + 4 + 3}) {
    WriteBytes(bad, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    EXPECT_FALSE(RestoreBackupFile(bad, b.Target()).Ok()) << cut;
    ExpectUntouched();
  }
  // A block that claims more bytes than the file holds.
  Bytes lying = whole;
  lying[records + 3] = 0x7F;
  WriteBytes(bad, lying);
  const Result outcome = RestoreBackupFile(bad, b.Target());
  EXPECT_FALSE(outcome.Ok());
  EXPECT_NE(outcome.Error().find("record 12"), std::string::npos) << outcome.Error();
  ExpectUntouched();
  // One that claims a byte too few leaves bytes no block accounts for.
  lying = whole;
  lying[records] = static_cast<std::uint8_t>(lying[records] - 1);
  WriteBytes(bad, lying);
  EXPECT_FALSE(RestoreBackupFile(bad, b.Target()).Ok());
  ExpectUntouched();
  // No file, or a folder in its place.
  EXPECT_FALSE(RestoreBackupFile(a.root / "none.bak", b.Target()).Ok());
  EXPECT_FALSE(RestoreBackupFile(a.store, b.Target()).Ok());
  ExpectUntouched();
}

TEST_F(RestoreFixture, PathsNeverLeadOutOfTheStore) {
  Tables crafted = MakeTables();
  const std::string outside = a.root / "outside";
  const std::string victim = a.root / "outside/victim.png";
  fs::create_directories(outside);
  WriteBytes(victim, Of("victim"));
  // A store entry that is a link out of the store must not be written through. (Windows lets
  // only privileged users make links; there the entry is a missing file instead.)
  std::error_code noLinks;
  fs::create_symlink(platform::PathFromUtf8(victim), platform::PathFromUtf8(b.store + "victim.png"),
                     noLinks);
  crafted.Shortcuts[4].IconFile = victim;
  crafted.Shortcuts[5].IconFile = "..\\..\\windows\\evil.png";
  crafted.Shortcuts[6].IconFile = "/tmp/..";
  crafted.Shortcuts[7].IconFile = a.root / "other/custom.png";  // same name as another picture
  crafted.Shortcuts[8].IconFile = a.root / "pics/custom.png";
  fs::create_directories(a.root / "other");
  WriteBytes(a.root / "other/custom.png", Of("other"));
  Bytes bytes = EncodeMenuImage(crafted);
  for (const char* picture : {"evil four", "evil", "dots", "other", "custom"}) {
    Append(bytes, Block(Of(picture)));
  }
  Append(bytes, kTrailer);
  const std::string file = a.root / "crafted.bak";
  WriteBytes(file, bytes);

  const Result outcome = RestoreBackupFile(file, b.Target());
  ASSERT_TRUE(outcome.Ok()) << outcome.Error();
  EXPECT_EQ(ReadBytes(victim), Of("victim"));
  const MenuImage menu = DecodeMenuImage(ReadBytes(b.menuFile));
  for (int r = 4; r <= 8; ++r) {
    const std::string path = menu.tables.Shortcuts[static_cast<std::size_t>(r)].IconFile.Get();
    EXPECT_EQ(path.rfind(b.store, 0), 0u) << r << ": " << path;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path))) << path;
  }
  EXPECT_EQ(menu.tables.Shortcuts[5].IconFile.Get(), b.store + "evil.png");
  EXPECT_EQ(ReadBytes(menu.tables.Shortcuts[7].IconFile.Get()), Of("other"));
  EXPECT_EQ(ReadBytes(menu.tables.Shortcuts[8].IconFile.Get()), Of("custom"));
  EXPECT_NE(menu.tables.Shortcuts[7].IconFile.Get(), menu.tables.Shortcuts[8].IconFile.Get());
  EXPECT_FALSE(fs::exists(a.root / "windows"));
}

TEST_F(RestoreFixture, ARestoreThatFailsHalfWayKeepsTheMenuAndPictures) {
  // Calls: two picture copies, the menu's twin copy and its rename, the menu's copy and its
  // rename; the pictures' renames follow.
  for (const int failAt : {1, 2, 3, 4, 5, 6}) {
    test::InterceptedFileOps failing([&](int call, auto&&...) { return call < failAt; });
    const Result outcome = RestoreBackupFile(backup, {b.menuFile, b.store, b.sysIcons, failing});
    EXPECT_FALSE(outcome.Ok()) << failAt;
    EXPECT_EQ(ReadBytes(b.menuFile), menuBefore) << failAt;
    EXPECT_EQ(ReadBytes(b.store + "12.png"), Of("old twelve")) << failAt;
    EXPECT_EQ(ReadBytes(b.store + "20.png"), Of("old twenty")) << failAt;
    EXPECT_FALSE(fs::exists(b.store + "custom.png")) << failAt;
    ExpectUntouched();
  }
}

// A backup with the given pictures for records 4, 5, ... and the trailer.
Bytes Crafted(const std::vector<std::pair<std::string, std::string>>& pictures) {
  Tables tables = MakeTables();
  int r = 4;
  for (const auto& [path, bytes] : pictures) tables.Shortcuts[r++].IconFile = path;
  Bytes out = EncodeMenuImage(tables);
  for (const auto& [path, bytes] : pictures) Append(out, Block(Of(bytes)));
  Append(out, kTrailer);
  return out;
}

// A user who points the icon store at a folder of their own: nothing there is replaced or swept.
TEST_F(RestoreFixture, AStoreThatIsALinkIsTheUsersFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "making links needs privileges on Windows";
#else
  const std::string pictures = b.root / "Pictures";
  fs::create_directories(pictures);
  WriteBytes(pictures + "/holiday1.png", Of("holiday"));
  WriteBytes(pictures + "/12.png", Of("the user's twelve"));
  fs::remove_all(b.store);
  fs::create_directory_symlink(pictures, fs::path(b.store).parent_path());
  const Result outcome = RestoreBackupFile(backup, b.Target());
  ASSERT_TRUE(outcome.Ok()) << outcome.Error();
  EXPECT_EQ(ReadBytes(pictures + "/holiday1.png"), Of("holiday"));
  EXPECT_EQ(ReadBytes(pictures + "/12.png"), Of("the user's twelve"));
  const MenuImage menu = DecodeMenuImage(ReadBytes(b.menuFile));
  const std::string restored = menu.tables.Shortcuts[12].IconFile.Get();
  EXPECT_NE(restored, b.store + "12.png");
  EXPECT_EQ(ReadBytes(restored), Of("twelve"));
#endif
}

// Only what the program put into the store goes: the pictures the replaced records named, of any
// name, and its numbered ones; a file of the user's that nothing names stays.
TEST_F(RestoreFixture, TheSweepTakesOnlyThePicturesTheProgramPutThere) {
  WriteBytes(b.store + "restored.ico", Of("an earlier restore's picture"));
  WriteBytes(b.store + "notes.png", Of("put there by hand"));
  RestoreTarget target = b.Target();
  target.ownPictures = {b.store + "restored.ico", b.store + "20.png"};
  const Result outcome = RestoreBackupFile(backup, target);
  ASSERT_TRUE(outcome.Ok()) << outcome.Error();
  EXPECT_FALSE(fs::exists(b.store + "restored.ico"));
  EXPECT_FALSE(fs::exists(b.store + "20.png"));
  EXPECT_TRUE(fs::exists(b.store + "notes.png"));
  EXPECT_TRUE(fs::exists(b.store + "User Icon.ico"));
}

// Names that once served as temporary copies are pictures like any other now.
TEST_F(RestoreFixture, NoPictureNameCollidesWithAnotherPicturesTemporaryCopy) {
  const std::string file = a.root / "collide.bak";
  WriteBytes(file, Crafted({{"x/X.png.restoring", "first"},
                            {"x/X.png", "second"},
                            {"x/X.png.tmp-abcdefgh", "third"}}));
  const Result outcome = RestoreBackupFile(file, b.Target());
  ASSERT_TRUE(outcome.Ok()) << outcome.Error();
  const MenuImage menu = DecodeMenuImage(ReadBytes(b.menuFile));
  std::set<std::string> places;
  for (int r = 4; r <= 6; ++r) places.insert(menu.tables.Shortcuts[r].IconFile.Get());
  EXPECT_EQ(places.size(), 3u);
  EXPECT_EQ(ReadBytes(menu.tables.Shortcuts[4].IconFile.Get()), Of("first"));
  EXPECT_EQ(ReadBytes(menu.tables.Shortcuts[5].IconFile.Get()), Of("second"));
  EXPECT_EQ(ReadBytes(menu.tables.Shortcuts[6].IconFile.Get()), Of("third"));
}

#ifndef _WIN32
long PeakKilobytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A huge file picked by mistake is judged by its first bytes and never read whole: neither one
// that is no backup at all nor one whose records are whole but whose blocks claim too much.
TEST_F(RestoreFixture, AGigabyteFileIsRefusedWithoutBeingRead) {
  const std::string huge = a.root / "huge.bin";
  const long before = PeakKilobytes();
  for (const bool recordsFirst : {false, true}) {
    Bytes head = recordsFirst ? Crafted({{"x/a.png", "a"}}) : Bytes(64, 0x41);
    if (recordsFirst) head.resize(kStandardMenuFileSize + 4);
    if (recordsFirst) head[kStandardMenuFileSize + 3] = 0x3F;  // a block of a gigabyte
    WriteBytes(huge, head);
    fs::resize_file(huge, std::uintmax_t{1} << 30);
    const Result outcome = RestoreBackupFile(huge, b.Target());
    EXPECT_FALSE(outcome.Ok());
    EXPECT_FALSE(outcome.Error().empty());
    ExpectUntouched();
  }
  EXPECT_LT(PeakKilobytes() - before, 64 * 1024) << "kB more at the peak";
}
#endif

TEST(BackupFile, StorePathsKeepOnlyTheFileName) {
  EXPECT_EQ(StorePathFor("/home/ann/.local/share/QAV Launcher/QavIcons/7.png", "/s/"), "/s/7.png");
  EXPECT_EQ(StorePathFor("C:\\Users\\ann\\QavIcons\\7.png", "/s/"), "/s/7.png");
  EXPECT_EQ(StorePathFor("plain.png", "/s/"), "/s/plain.png");
  EXPECT_EQ(StorePathFor("/a/..", "/s/"), "");
  EXPECT_EQ(StorePathFor("/a/", "/s/"), "");
}

}  // namespace
}  // namespace qav
