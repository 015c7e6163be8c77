#pragma once
// The home trash as freedesktop.org lays it out: "files/" holds what was thrown away,
// "info/" a ".trashinfo" file per item with its original path and deletion date.

#include <string>

#include "platform/trash.h"

namespace qav::platform {

class FreedesktopTrash final : public Trash {
 public:
  // `trashFolder` is the trash itself, normally "$XDG_DATA_HOME/Trash".
  explicit FreedesktopTrash(std::string trashFolder);

  // The items in "files/" and their size in bytes, folders counted with all they hold. A link is
  // an item but adds no bytes: what it points at is not in the trash.
  TrashStatus Query() override;
  bool HasItems() override;
  // Removes everything inside "files/" and "info/" and the size cache. Links are removed, never
  // followed, so nothing outside the trash is touched; a "files" or "info" that is itself a link
  // is left alone.
  bool Empty() override;
  // Moves the item into this trash with its ".trashinfo"; an item on another file system goes to
  // that file system's trash through QFile::moveToTrash.
  bool MoveToTrash(const std::string& path) override;

 private:
  std::string FilesFolder() const { return folder_ + "/files"; }
  std::string InfoFolder() const { return folder_ + "/info"; }
  bool MoveIntoThisTrash(const std::string& absolutePath);

  std::string folder_;
};

}  // namespace qav::platform
