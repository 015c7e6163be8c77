#include "startup/data_files.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "startup/environment/text.h"

namespace qav {
namespace {

void Remove(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

void RemovePictures(const std::string& folder) {
  std::error_code error;
  std::vector<std::filesystem::path> pictures;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const auto& path = it->path();
    if (LowerAscii(path.extension().string()) == ".png" && it->is_regular_file(error)) {
      pictures.push_back(path);
    }
  }
  for (const auto& picture : pictures) Remove(picture);
}

}  // namespace

void ClearDataFiles(const Paths& paths, bool alsoSettings) {
  if (alsoSettings) {
    Remove(paths.SettingsFile);
    Remove(paths.SettingsBackup());
  }
  Remove(paths.MenuFile);
  Remove(paths.MenuBackup());
  if (!paths.IconStore.empty()) RemovePictures(paths.IconStore);
}

}  // namespace qav
