#pragma once
// The drives of GetLogicalDriveStringsW, each with its GetDriveTypeW kind. A Windows user knows a
// drive by its letter, so that is its name ("C:"); no medium is touched, so an empty floppy or
// card reader never makes the system ask for a disk.

#include "platform/volumes.h"

namespace qav::platform {

class WinVolumes final : public Volumes {
 public:
  std::vector<Volume> List() override;
  std::optional<Volume> At(const std::string& root) override;
};

}  // namespace qav::platform
