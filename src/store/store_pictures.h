#pragma once
// Clearing out the icon store's pictures.

#include <set>
#include <string>

namespace qav {

// Deletes every regular "*.png" file directly inside `folder` whose full path is not in `keep`.
// Folders, links to folders and files of other types are left alone.
void RemoveStorePictures(const std::string& folder, const std::set<std::string>& keep = {});

}  // namespace qav
