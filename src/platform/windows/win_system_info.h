#pragma once

#include "platform/system_info.h"

namespace qav::platform {

// The running module's path, the kernel's own version numbers (RtlGetVersion, which no
// compatibility shim lowers), the logon name and the process environment.
class WinSystemInfo final : public SystemInfo {
 public:
  std::string ExecutablePath() override;
  std::optional<OsVersion> QueryOsVersion() override;
  std::string UserLogonName() override;
  std::optional<std::string> Environment(const std::string& name) override;
};

}  // namespace qav::platform
