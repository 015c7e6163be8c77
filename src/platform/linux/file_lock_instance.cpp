#include "platform/linux/file_lock_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/linux/control_client.h"
#include "platform/linux/runtime_folder.h"

namespace qav::platform {
namespace {

void Log(const std::string& text) {
  std::fprintf(stderr, "QAV Launcher: %s\n", text.c_str());
}

}  // namespace

FileLockInstance::FileLockInstance(std::string lockPath) : lockPath_(std::move(lockPath)) {}

FileLockInstance::~FileLockInstance() {
  if (fd_ >= 0) ::close(fd_);
}

// A regular file of this user's, or -1 with `problem` saying what stands there instead.
int FileLockInstance::OpenLockFile(std::string& problem) {
  const int fd =
      ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) {
    problem = std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) return fd;
  ::close(fd);
  problem = "not a file of this user's";
  return -1;
}

bool FileLockInstance::TryAcquire() {
  if (fd_ >= 0) return true;
  if (lockPath_.empty()) {
    Log("no private runtime folder for the lock file; starting without it");
    return true;
  }
  std::string problem;
  int fd = OpenLockFile(problem);
  if (fd < 0) {
    // Whatever stands there is nobody's lock: only a regular file of this user's can be one.
    const std::string found = DescribeFound(lockPath_);
    const std::string aside = found.empty() ? std::string() : MoveAside(lockPath_);
    if (!aside.empty()) {
      Log(found + " stood at " + lockPath_ + ", where the lock file belongs; moved it to " + aside);
      fd = OpenLockFile(problem);
    }
  }
  if (fd < 0) {
    Log("cannot use the lock file " + lockPath_ + " (" + problem + "); starting without it");
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return false;
    Log("cannot lock " + lockPath_ + " (" + std::strerror(error) + "); starting without it");
    return true;
  }
  // The number of the holder, for people looking; the program itself never reads it.
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) [[maybe_unused]]
    auto written = ::write(fd, pid.data(), pid.size());
  fd_ = fd;
  return true;
}

std::string FileLockInstance::DefaultLockPath() {
  return RuntimeFile("qav-launcher.lock");
}

}  // namespace qav::platform
