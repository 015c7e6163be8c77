#pragma once
// Clearing out the icon store's pictures. Only what the program itself put into the store is ever
// removed: the pictures its records named, its numbered pictures ("12.png"), the names a restore
// gives ("Restored 12-0.png") and the temporary copies an interrupted write left. A store that is
// a link to another folder is the user's own folder, where nothing is removed at all.

#include <set>
#include <string>

namespace qav {

// True when `folder` (with or without its trailing separator) is a symbolic link.
bool IsLinkedFolder(const std::string& folder);

// Removes, from the regular files directly inside `folder`, those the program put there (the
// paths in `ours` and the program's own names) whose full path is not in `keep`. Folders, links
// and files of other names are left alone.
void RemoveStorePictures(const std::string& folder, const std::set<std::string>& ours,
                         const std::set<std::string>& keep = {});

// The pictures directly inside `folder` that records of `tables`-like lists name.
template <typename Records>
std::set<std::string> StorePicturesNamed(const Records& records, const std::string& folder) {
  std::set<std::string> named;
  for (const auto& record : records) {
    for (const std::string& picture : {record.IconFile.Get(), record.CustomIcon.Get()}) {
      if (!folder.empty() && picture.size() > folder.size() && picture.starts_with(folder)) {
        named.insert(picture);
      }
    }
  }
  return named;
}

}  // namespace qav
