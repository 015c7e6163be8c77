#pragma once

#include <string>

#include "platform/single_instance.h"

namespace qav::platform {

// A lock file in the user's runtime folder, held for the life of the process. The hold is a
// kernel lock on the open file, so it ends with the process however that ends: whatever a file
// left behind says (empty, garbage, another host's name) never keeps the program from starting.
class QtSingleInstance final : public SingleInstance {
 public:
  explicit QtSingleInstance(std::string lockPath);
  ~QtSingleInstance() override;
  QtSingleInstance(const QtSingleInstance&) = delete;
  QtSingleInstance& operator=(const QtSingleInstance&) = delete;

  // False only when another running copy holds the lock. A lock path that cannot be used at all
  // (a folder stands there, no permission) is reported on the error output and the program
  // starts anyway: refusing to start would leave the user with nothing and no word why.
  bool TryAcquire() override;

  // "$XDG_RUNTIME_DIR/qav-launcher.lock", or a per-user file in the temporary folder.
  static std::string DefaultLockPath();

 private:
  std::string lockPath_;
  int fd_ = -1;
};

}  // namespace qav::platform
