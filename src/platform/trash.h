#pragma once
// The recycle bin: the freedesktop Trash on Linux.

#include <cstdint>
#include <string>

namespace qav::platform {

struct TrashStatus {
  std::uint64_t bytes = 0;
  std::uint64_t items = 0;
};

class Trash {
 public:
  virtual ~Trash() = default;
  virtual TrashStatus Query() = 0;
  // Whether the bin holds anything; cheap enough to ask every second.
  virtual bool HasItems() = 0;
  // Deletes everything in the bin for good. True when it is empty afterwards.
  virtual bool Empty() = 0;
  // Moves a file or folder into the bin. True on success.
  virtual bool MoveToTrash(const std::string& path) = 0;
};

}  // namespace qav::platform
