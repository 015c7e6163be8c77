#include "platform/linux/qt_single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QLockFile>

#include <cstdlib>

namespace qav::platform {

QtSingleInstance::QtSingleInstance(std::string lockPath)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString(lockPath))) {
  lock_->setStaleLockTime(0);  // only a dead owner makes a lock stale, never its age
}

QtSingleInstance::~QtSingleInstance() = default;

bool QtSingleInstance::TryAcquire() {
  return lock_->tryLock(0);
}

std::string QtSingleInstance::DefaultLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/qav-launcher.lock";
  return QDir::tempPath().toStdString() + "/qav-launcher-" + std::to_string(::getuid()) + ".lock";
}

}  // namespace qav::platform
