// Files of the user's world in odd shapes: a FIFO would block a plain open for good, a device
// reads without end, and a lock file may hold anything a crash or another machine left there.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/links/desktop_entry.h"
#include "platform/files/bounded_read.h"
#include "platform/files/format_files.h"
#include "platform/linux/autostart_entry.h"
#include "platform/linux/file_lock_instance.h"
#include "platform/linux/file_registry.h"
#include "support/result_checks.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

constexpr std::uint32_t kHkcu = 0x80000001u;

TEST(UntrustedFiles, FifosAndDevicesAreNeverReadAndNeverBlock) {
  test::TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string zero = dir / "zero";
  std::filesystem::create_symlink("/dev/zero", zero);
  for (const std::string& path : {fifo, zero, dir.path()}) {
    EXPECT_FALSE(IsRegularFile(path)) << path;
    EXPECT_FALSE(ReadFilePrefix(path, 100)) << path;
    EXPECT_FALSE(FileRegistry(path).Query(kHkcu, "SOFTWARE\\QAV Launcher\\System", "FirstRun"))
        << path;
    EXPECT_FALSE(ReadAutostartProgram(path)) << path;
    EXPECT_FALSE(platform::ReadDesktopEntryFile(path, "").has_value()) << path;
  }
  // A write never goes through a FIFO that stands where the file belongs.
  EXPECT_TRUE(test::FailsSaying(
      FileRegistry(fifo).Set(kHkcu, "Key", "A", {RegType::kString, {'1', 0}}), {"cannot read"}));
}

TEST(UntrustedFiles, ReadsStopAtTheirLimit) {
  test::TempDir dir;
  const std::string file = dir / "file";
  test::WriteText(file, "0123456789");
  EXPECT_EQ(ReadFilePrefix(file, 4)->size(), 4u);
  EXPECT_EQ(ReadWholeFile(file, 10)->size(), 10u);
  EXPECT_FALSE(ReadWholeFile(file, 9));
  EXPECT_EQ(ReadWholeTextFile(file, 100), "0123456789");
  std::filesystem::create_symlink(file, dir / "link");
  EXPECT_TRUE(IsRegularFile(dir / "link"));
}

// Only a live holder keeps another copy from starting; what the file says does not count.
TEST(UntrustedFiles, LockFileNobodyHoldsIsTakenOver) {
  test::TempDir dir;
  const std::string lock = dir / "qav.lock";
  for (const std::string& content :
       {std::string(), std::string("garbage\x01\xff"), std::string("1\nqav\nother-host\n")}) {
    test::WriteText(lock, content);
    FileLockInstance first(lock);
    EXPECT_TRUE(first.TryAcquire()) << content;
    EXPECT_FALSE(FileLockInstance(lock).TryAcquire()) << "a second copy while one runs";
  }
  EXPECT_TRUE(FileLockInstance(lock).TryAcquire()) << "the holder has ended";

  // A path that cannot hold a lock at all is reported and does not stop the start.
  EXPECT_TRUE(FileLockInstance(dir / "no folder/qav.lock").TryAcquire());
}

}  // namespace
}  // namespace qav::platform
