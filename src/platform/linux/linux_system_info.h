#pragma once

#include "platform/system_info.h"

namespace qav::platform {

class LinuxSystemInfo final : public SystemInfo {
 public:
  std::string ExecutablePath() override;
  std::optional<OsVersion> QueryOsVersion() override;
  std::string UserLogonName() override;
  std::optional<std::string> Environment(const std::string& name) override;
};

// The PRETTY_NAME (else NAME) of an os-release file's text; empty when neither is there.
std::string OsReleasePrettyName(const std::string& osReleaseText);

}  // namespace qav::platform
