#pragma once
// The drives of GetLogicalDriveStringsW, each with its GetDriveTypeW kind and its label
// (GetVolumeInformationW) or, for a network drive, the share it stands for.

#include "platform/volumes.h"

namespace qav::platform {

class WinVolumes final : public Volumes {
 public:
  std::vector<Volume> List() override;
  std::optional<Volume> At(const std::string& root) override;
};

}  // namespace qav::platform
