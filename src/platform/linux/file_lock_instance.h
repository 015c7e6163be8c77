#pragma once

#include <string>

#include "platform/single_instance.h"

namespace qav::platform {

// A lock file in the user's private runtime folder, held for the life of the process. The hold
// is a kernel lock on the open file, so it ends with the process however that ends: whatever a
// file left behind says (empty, garbage, another host's name) never keeps the program from
// starting.
class FileLockInstance final : public SingleInstance {
 public:
  explicit FileLockInstance(std::string lockPath);
  ~FileLockInstance() override;
  FileLockInstance(const FileLockInstance&) = delete;
  FileLockInstance& operator=(const FileLockInstance&) = delete;

  // False only when another running copy holds the lock. Anything else that stands at the path (a
  // folder, a link, a FIFO, a file of another user) is moved aside, said on the error output, and
  // a fresh lock file made. A path that still cannot be used is reported and the program starts
  // anyway: refusing to start would leave the user with nothing and no word why.
  bool TryAcquire() override;

  // "qav-launcher.lock" in the private runtime folder.
  static std::string DefaultLockPath();

 private:
  int OpenLockFile(std::string& problem);

  std::string lockPath_;
  int fd_ = -1;
};

}  // namespace qav::platform
