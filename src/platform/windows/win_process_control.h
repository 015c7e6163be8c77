#pragma once

#include "platform/process_control.h"

namespace qav::platform {

// The shutdown privilege of the process token, the session end's order of processes and the
// working set.
class WinProcessControl final : public ProcessControl {
 public:
  bool EnableShutdownPrivilege() override;
  // The lowest level an application may take, so that the programs the dock started are asked
  // first; no retry dialog when the dock does not answer in time.
  void SetShutdownOrder() override;
  void TrimWorkingSet() override;
};

}  // namespace qav::platform
