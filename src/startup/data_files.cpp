#include "startup/data_files.h"

#include <filesystem>
#include <system_error>

#include "store/store_pictures.h"

namespace qav {
namespace {

void Remove(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

void ClearDataFiles(const Paths& paths, bool alsoSettings) {
  if (alsoSettings) {
    Remove(paths.SettingsFile);
    Remove(paths.SettingsBackup());
  }
  Remove(paths.MenuFile);
  Remove(paths.MenuBackup());
  RemoveStorePictures(paths.IconStore);
}

}  // namespace qav
