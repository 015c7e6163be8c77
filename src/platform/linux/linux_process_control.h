#pragma once

#include "platform/process_control.h"

namespace qav::platform {

// Linux has no shutdown privilege to enable (logind decides per request) and no shutdown order;
// trimming gives the allocator's free pages back to the system.
class LinuxProcessControl final : public ProcessControl {
 public:
  bool EnableShutdownPrivilege() override { return true; }
  void SetShutdownOrder() override {}
  void TrimWorkingSet() override;
};

}  // namespace qav::platform
