#include "platform/linux/qt_single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qav::platform {

QtSingleInstance::QtSingleInstance(std::string lockPath) : lockPath_(std::move(lockPath)) {}

QtSingleInstance::~QtSingleInstance() {
  if (fd_ >= 0) ::close(fd_);
}

bool QtSingleInstance::TryAcquire() {
  if (fd_ >= 0) return true;
  const int fd =
      ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) {
    std::fprintf(stderr, "QAV Launcher: cannot use the lock file %s (%s); starting without it\n",
                 lockPath_.c_str(), std::strerror(errno));
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return false;
    std::fprintf(stderr, "QAV Launcher: cannot lock %s (%s); starting without it\n",
                 lockPath_.c_str(), std::strerror(error));
    return true;
  }
  // The number of the holder, for people looking; the program itself never reads it.
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) [[maybe_unused]]
    auto written = ::write(fd, pid.data(), pid.size());
  fd_ = fd;
  return true;
}

std::string QtSingleInstance::DefaultLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/qav-launcher.lock";
  return QDir::tempPath().toStdString() + "/qav-launcher-" + std::to_string(::getuid()) + ".lock";
}

}  // namespace qav::platform
