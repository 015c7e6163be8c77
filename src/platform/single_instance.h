#pragma once
// Detects a copy of the program that is already running for this user.

namespace qav::platform {

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // True when this process is now the only running copy; false when another copy holds it.
  virtual bool TryAcquire() = 0;
};

}  // namespace qav::platform
