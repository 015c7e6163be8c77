#pragma once
// The mounted volumes a user would call drives: the mount table without the kernel's own file
// systems, container layers and package images, each given the role a drive of that kind has.
//
// tmpfs and ramfs mounts outside the system's trees (a tmpfs "/tmp", say) are shown as RAM disks:
// they are places a user can keep files in, gone at the next start. Those under /dev and /run
// (/dev/shm, /run/user/...) belong to the system and are left out, as is /boot.

#include <functional>
#include <string>

#include "platform/volumes.h"

namespace qav::platform {

struct MountSources {
  // The text of /proc/self/mounts.
  std::function<std::string()> mountTable;
  // The label of a block device ("/dev/sdb1"); empty when it has none.
  std::function<std::string(const std::string& device)> label;
  // Whether a block device sits on a disk the kernel calls removable.
  std::function<bool(const std::string& device)> removable;
};

// /proc/self/mounts, /dev/disk/by-label and the "removable" flags of /sys/class/block.
MountSources SystemMountSources();

class LinuxVolumes final : public Volumes {
 public:
  explicit LinuxVolumes(MountSources sources);

  std::vector<Volume> List() override;
  std::optional<Volume> At(const std::string& root) override;

 private:
  MountSources sources_;
};

}  // namespace qav::platform
