#pragma once
// Mounted volumes, in the roles the program gives drives.

#include <optional>
#include <string>
#include <vector>

namespace qav::platform {

enum class DriveType : int {
  kUnknown = 0,
  kNoRoot = 1,
  kRemovable = 2,
  kFixed = 3,
  kRemote = 4,
  kOptical = 5,
  kRamDisk = 6,
};

struct Volume {
  std::string root;  // the mount point, ending with the path separator
  DriveType type = DriveType::kUnknown;
  std::string name;       // what the user knows it by: its label, else its device or share
  bool isSystem = false;  // holds the operating system ("/" on Linux)
  bool isFloppy = false;  // a floppy drive (drive A or B on Windows)
  // What the desktop shows it as; empty: its kind and name, as "Local Disk (C:)".
  std::string title;
};

class Volumes {
 public:
  virtual ~Volumes() = default;
  // Every volume a user would see, the system volume first.
  virtual std::vector<Volume> List() = 0;
  // The volume whose root is exactly `root` (with or without the trailing separator).
  virtual std::optional<Volume> At(const std::string& root) = 0;
};

}  // namespace qav::platform
