// A save may be cut short at any step: by a failing write, a full disk or the process dying.
// Whatever happens, one whole copy (the old or the new) must survive and load.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "core/store/menu_file.h"
#include "platform/native_platform.h"
#include "support/intercepted_file_ops.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

struct Killed {};

enum class Fault { kNone, kFail, kPartialWrite, kKillBefore, kKillAfter };

// The real file operations, except that write or rename number `failAt` goes wrong.
test::InterceptedFileOps Faulty(int failAt, Fault fault) {
  return test::InterceptedFileOps(
      [=](int call, const std::string& path, std::span<const std::uint8_t> bytes, bool durable) {
        if (call != failAt) return true;
        if (fault == Fault::kKillBefore) throw Killed{};
        if (fault != Fault::kPartialWrite) return fault == Fault::kKillAfter;
        // Half a temporary copy stays behind, as a crash in the middle of the write leaves it.
        (void)test::RealFiles().WriteTemporary(path, bytes.first(bytes.size() / 2), durable);
        return false;
      },
      [=](int call) {
        if (call == failAt && fault == Fault::kKillAfter) throw Killed{};
      });
}

Tables Version(const std::string& title) {
  Tables t = MakeTables();
  for (int g = 0; g < kGroupCount; ++g) t.Groups[g].Members[0] = g;
  for (int r = 129; r <= 1024; r += 37) t.Shortcuts[r].Title = title;
  t.Groups[3].Members[1] = 129;
  t.Groups[3].MemberCount = title == "new" ? 1 : 0;
  return t;
}

// "old" or "new" when a whole, consistent copy loads; anything else is a fault.
std::string Survivor(const std::string& menuFile) {
  test::RealFiles files;
  Tables loaded = MakeTables();
  if (!LoadMenuFile(loaded, {menuFile, files})) return "nothing";
  const std::string title = loaded.Shortcuts[129].Title.Get();
  for (int r = 129; r <= 1024; r += 37) {
    if (loaded.Shortcuts[r].Title.Get() != title) return "a mixture";
  }
  if (loaded.Groups[3].MemberCount != (title == "new" ? 1 : 0)) return "mismatched groups";
  return title;
}

TEST(CrashSafety, EveryStepOfASaveCanFailAndAWholeCopySurvives) {
  const Fault faults[] = {Fault::kFail, Fault::kPartialWrite, Fault::kKillBefore,
                          Fault::kKillAfter};
  // A save is four steps: the twin's temporary copy and its rename, then the file's.
  for (int step = 1; step <= 4; ++step) {
    for (const Fault fault : faults) {
      if (fault == Fault::kPartialWrite && step % 2 == 0) continue;  // renames write nothing
      test::TempDir dir;
      const std::string menu = dir / "QAVMenu.cfg";
      test::RealFiles files;
      ASSERT_TRUE(WriteMenuFile(Version("old"), {menu, files}).Ok());

      test::InterceptedFileOps faulty = Faulty(step, fault);
      bool saved = false;
      try {
        saved = WriteMenuFile(Version("new"), {menu, faulty}).Ok();
      } catch (const Killed&) {
      }
      const std::string survivor = Survivor(menu);
      EXPECT_TRUE(survivor == "old" || survivor == "new")
          << "step " << step << " fault " << static_cast<int>(fault) << ": " << survivor;
      // A plain failure is reported to the user and the next save goes through.
      if (fault == Fault::kFail || fault == Fault::kPartialWrite) {
        EXPECT_FALSE(saved);
        EXPECT_TRUE(WriteMenuFile(Version("new"), {menu, files}).Ok());
        EXPECT_EQ(Survivor(menu), "new");
      }
    }
  }
}

#ifndef _WIN32
// The process-killing rounds fork, which only POSIX systems do.

// Runs `body` in a child process and returns its wait status. `body` is given a function that
// tells the parent it has reached the moment that counts; with a non-negative delay the child is
// killed that long after it first says so.
template <typename Body>
int InChild(Body body, std::chrono::microseconds killAfter) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    body([&] {
      const char byte = 1;
      (void)!::write(ready[1], &byte, 1);
    });
    ::_exit(0);
  }
  ::close(ready[1]);
  if (killAfter.count() >= 0) {
    char byte = 0;
    (void)!::read(ready[0], &byte, 1);
    std::this_thread::sleep_for(killAfter);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(ready[0]);
  return status;
}

bool HasTemporaryCopy(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string prefix = file.filename().string() + ".tmp-";
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    if (entry.path().filename().string().starts_with(prefix)) return true;
  }
  return false;
}

// True when the files show a save under way: a temporary copy, or a twin that differs from the
// main file. Between saves neither is the case.
bool CaughtMidSave(const std::string& menu) {
  return HasTemporaryCopy(menu) || test::ReadBytes(menu) != test::ReadBytes(menu + ".bak");
}

TEST(CrashSafety, KillingTheProcessMidSaveLeavesAWholeCopy) {
  test::TempDir dir;
  const std::string menu = dir / "QAVMenu.cfg";
  test::RealFiles files;
  const Tables versions[] = {Version("new"), Version("old")};
  std::mt19937 random(12345);
  int midSave = 0;
  for (int round = 0; round < 12; ++round) {
    ASSERT_TRUE(WriteMenuFile(versions[1], {menu, files}).Ok());
    // The child saves back to back and is killed shortly after one of the file operations of its
    // second save begins (each save writes the twin's temporary copy and renames it, then the
    // file's).
    const int status = InChild(
        [&](const auto& ready) {
          // Write or rename number `signalAt` first tells the parent it is starting.
          const int signalAt = 5 + round % 4;
          test::InterceptedFileOps childFiles([&](int call, auto&&...) {
            if (call == signalAt) ready();
            return true;
          });
          for (int save = 0;; ++save) {
            (void)WriteMenuFile(versions[save % 2], {menu, childFiles});
          }
        },
        std::chrono::microseconds(random() % 2000));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "round " << round << ": the saving process ended on its own";
    if (CaughtMidSave(menu)) ++midSave;
    // The load that a start does clears away what the killed save left.
    const std::string survivor = Survivor(menu);
    EXPECT_FALSE(HasTemporaryCopy(menu)) << "round " << round;
    ASSERT_TRUE(survivor == "old" || survivor == "new") << "round " << round << ": " << survivor;
  }
  EXPECT_GE(midSave, 1) << "no kill landed inside a save";
}

TEST(CrashSafety, FullDiskLeavesTheOldCopy) {
  test::TempDir dir;
  const std::string menu = dir / "QAVMenu.cfg";
  test::RealFiles files;
  ASSERT_TRUE(WriteMenuFile(Version("old"), {menu, files}).Ok());
  // The kernel refuses to let the files grow past 600 kB, as a nearly full disk would. Its
  // SIGXFSZ would kill the program in the middle of the save, were it not for the signal
  // handling the program installs at start.
  const int status = InChild(
      [&](const auto&) {
        const auto installed = platform::CreatePlatform()->WatchTermination([] {});
        const rlimit limit{600000, 600000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteMenuFile(Version("new"), {menu, files}).Ok() ? 1 : 0);
      },
      std::chrono::microseconds(-1));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not report failure";
  EXPECT_EQ(Survivor(menu), "old");
}

// Links and FIFOs planted in the data folder, at every name a save writes: the twin (the settings
// file's twin is saved the same way), the old fixed temporary name, and a leftover of an
// interrupted save. Nothing outside the folder may
// change, no live file may become a link, and no save may wait on a FIFO.
TEST(CrashSafety, PlantedLinksAndFifosAreReplacedNeverWrittenThrough) {
  enum class Plant { kLink, kFifo };
  for (const Plant plant : {Plant::kLink, Plant::kFifo}) {
    for (const char* planted : {".bak", ".tmp", ".tmp-aaaaaaaa"}) {
      test::TempDir dir;
      const std::string menu = dir / "data/QAVMenu.cfg";
      const std::string outside = dir / "outside.txt";
      std::filesystem::create_directory(dir / "data");
      test::WriteText(outside, "the user's own file");
      const std::string at = menu + planted;
      if (plant == Plant::kLink) {
        std::filesystem::create_symlink(outside, at);
      } else {
        ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
      }
      // A child, so that a save that blocks on the FIFO fails the test instead of hanging it.
      const int status = InChild(
          [&](const auto&) {
            ::alarm(10);
            test::RealFiles files;
            ::_exit(WriteMenuFile(Version("new"), {menu, files}).Ok() ? 0 : 1);
          },
          std::chrono::microseconds(-1));
      const std::string what = std::string(plant == Plant::kLink ? "link" : "FIFO") + " " + planted;
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << what;
      EXPECT_EQ(test::ReadText(outside), "the user's own file") << what;
      for (const std::string& file : {menu, menu + ".bak"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(file)))
            << what << ": " << file;
      }
      EXPECT_EQ(Survivor(menu), "new") << what;
    }
  }
}

#endif

// A folder where the twin belongs (or no room for a second copy) must not cost the user the
// save of the file itself.
TEST(CrashSafety, FileIsSavedWhenItsTwinCannotBe) {
  test::TempDir dir;
  const std::string menu = dir / "QAVMenu.cfg";
  test::RealFiles files;
  ASSERT_TRUE(WriteMenuFile(Version("old"), {menu, files}).Ok());
  std::filesystem::remove(menu + ".bak");
  std::filesystem::create_directory(menu + ".bak");
  EXPECT_FALSE(WriteMenuFile(Version("new"), {menu, files}).Ok());
  EXPECT_EQ(Survivor(menu), "new");
  EXPECT_EQ(SaveWithTwin(files, menu, EncodeMenuImage(Version("newer"))).Error(),
            "cannot write the backup copy " + menu + ".bak");
  // When the file itself cannot be written, that is the loss to name, not the twin's.
  const std::string blocked = dir / "blocked.cfg";
  std::filesystem::create_directory(blocked);
  std::filesystem::create_directory(blocked + ".bak");
  EXPECT_EQ(SaveWithTwin(files, blocked, EncodeMenuImage(Version("new"))).Error(),
            "cannot write " + blocked);
}

}  // namespace
}  // namespace qav
