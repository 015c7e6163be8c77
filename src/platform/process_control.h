#pragma once
// Process-level housekeeping the start-up sequence asks the platform for.

namespace qav::platform {

class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  // Enables the right to shut the computer down where the system has such a right; true when it
  // is (or needs not be) held.
  virtual bool EnableShutdownPrivilege() = 0;
  // Asks to be told about the end of the session last and without retries.
  virtual void SetShutdownOrder() = 0;
  // Returns memory the start-up no longer needs to the system.
  virtual void TrimWorkingSet() = 0;
};

}  // namespace qav::platform
