#pragma once
// The recycle bins of all drives, through the shell: SHQueryRecycleBinW counts, SHEmptyRecycleBinW
// empties without asking (the program asked the user already), and a deletion with
// SHFileOperationW's FOF_ALLOWUNDO moves an item in.

#include "platform/trash.h"

namespace qav::platform {

class WinRecycleBin final : public Trash {
 public:
  TrashStatus Query() override;
  bool HasItems() override { return Query().items > 0; }
  bool Empty() override;
  // Only absolute paths: the shell would take a relative one against its own current folder.
  bool MoveToTrash(const std::string& path) override;
};

}  // namespace qav::platform
