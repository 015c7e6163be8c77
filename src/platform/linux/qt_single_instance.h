#pragma once

#include <memory>
#include <string>

#include "platform/single_instance.h"

class QLockFile;

namespace qav::platform {

// A lock file in the user's runtime folder, held for the life of the process. A lock left by a
// process that died is taken over.
class QtSingleInstance final : public SingleInstance {
 public:
  explicit QtSingleInstance(std::string lockPath);
  ~QtSingleInstance() override;
  bool TryAcquire() override;

  // "$XDG_RUNTIME_DIR/qav-launcher.lock", or a per-user file in the temporary folder.
  static std::string DefaultLockPath();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace qav::platform
