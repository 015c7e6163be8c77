// The private runtime folder the lock and the socket live in, and the lock itself, against
// folders, links, FIFOs and files that another user (here: "nobody", as far as a test run as root
// can stand for one) put in their place.

#include "platform/linux/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/linux/file_lock_instance.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

constexpr uid_t kNobody = 65534;

// Sets or clears an environment variable for the life of the object.
class Variable {
 public:
  Variable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~Variable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// Only root can give a file away; elsewhere such a case cannot be made and is left out.
bool GiveToNobody(const std::string& path) {
  return ::geteuid() == 0 && ::lchown(path.c_str(), kNobody, kNobody) == 0;
}

struct Folders {
  test::TempDir dir;
  const std::string own = dir / ("tmp/qav-launcher-" + std::to_string(::geteuid()));
  const std::string cache = dir / "cache/qav-launcher-runtime";
  Variable tmp{"TMPDIR", dir / "tmp"};
  Variable cacheHome{"XDG_CACHE_HOME", dir / "cache"};
  Folders() { std::filesystem::create_directories(dir / "tmp"); }
};

TEST(RuntimeFolder, WithoutTheSessionsFolderAPrivateOneIsMadeAndKeptPrivate) {
  Folders f;
  Variable session("XDG_RUNTIME_DIR", std::nullopt);
  EXPECT_EQ(PrivateRuntimeFolder(), f.own);
  EXPECT_EQ(ModeOf(f.own), 0700u);
  ::chmod(f.own.c_str(), 0755);
  EXPECT_EQ(PrivateRuntimeFolder(), f.own);
  EXPECT_EQ(ModeOf(f.own), 0700u) << "opened up, it is closed again";
}

TEST(RuntimeFolder, ASessionFolderOthersMayWriteInIsPassedOver) {
  Folders f;
  const std::string shared = f.dir / "shared";
  std::filesystem::create_directory(shared);
  ::chmod(shared.c_str(), 0777);
  Variable session("XDG_RUNTIME_DIR", shared);
  std::string note;
  EXPECT_EQ(PrivateRuntimeFolder(&note), f.own);
  EXPECT_NE(note.find("not this user's alone"), std::string::npos) << note;
  ::chmod(shared.c_str(), 0700);
  EXPECT_EQ(PrivateRuntimeFolder(), shared);
}

// Another user who made the predictable name first, or a link there, takes nothing from the
// user: the folder then lives in the cache folder, which only the user can write in.
TEST(RuntimeFolder, AForeignOrLinkedTemporaryFolderIsPassedOver) {
  Folders f;
  Variable session("XDG_RUNTIME_DIR", std::nullopt);
  const std::string target = f.dir / "elsewhere";
  std::filesystem::create_directory(target);
  std::filesystem::create_directory_symlink(target, f.own);
  EXPECT_EQ(PrivateRuntimeFolder(), f.cache);
  EXPECT_EQ(ModeOf(f.cache), 0700u);
  std::filesystem::remove(f.own);
  std::filesystem::create_directory(f.own);
  if (!GiveToNobody(f.own)) GTEST_SKIP() << "needs root to give a folder to another user";
  EXPECT_EQ(PrivateRuntimeFolder(), f.cache);
}

TEST(FileLock, AFolderLinkFifoOrForeignFileAtTheLockIsMovedAsideAndTheLockHolds) {
  test::TempDir dir;
  const std::string lock = dir / "qav-launcher.lock";
  const std::string outside = dir / "outside";
  std::ofstream(outside) << "keep";
  std::vector<std::function<bool()>> plants{
      [&] { return std::filesystem::create_directory(lock); },
      [&] {
        std::filesystem::create_symlink(outside, lock);
        return true;
      },
      [&] { return ::mkfifo(lock.c_str(), 0600) == 0; },
      [&] {
        std::ofstream(lock) << "1";
        ::chmod(lock.c_str(), 0666);
        return GiveToNobody(lock);
      },
  };
  for (std::size_t i = 0; i < plants.size(); ++i) {
    if (!plants[i]()) continue;  // a case only root can make
    const std::string found = DescribeFound(lock);
    FileLockInstance first(lock);
    EXPECT_TRUE(first.TryAcquire()) << found;
    EXPECT_EQ(DescribeFound(lock + ".aside-1"), found) << "kept, beside";
    EXPECT_FALSE(FileLockInstance(lock).TryAcquire()) << found << ": one dock only";
    std::filesystem::remove_all(lock + ".aside-1");
    std::filesystem::remove(lock);
  }
  std::ifstream kept(outside);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");
}

}  // namespace
}  // namespace qav::platform
